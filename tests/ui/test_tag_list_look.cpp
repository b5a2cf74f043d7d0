// The tag list shows how each tag looks: inverse, border and font columns on the tabs of the
// kinds that have them, with the image text's face read in the panel's code page.

#include "helpers/ui_fixture.h"

#include "core/model/screen_data.h"
#include "core/tags/bmp_text_tag.h"
#include "core/tags/digit_tag.h"
#include "core/tags/panel_text.h"
#include "core/tags/tag_kinds.h"
#include "ui/project/tag_list_dialog.h"

#include "util/code_page.h"
#include "util/log_font.h"
#include "util/messages.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QtTest>

using namespace ui;

namespace {

QStringList headers(const QTableWidget &table)
{
    QStringList out;
    for (int c = 0; c < table.columnCount(); ++c)
        out << table.horizontalHeaderItem(c)->text();
    return out;
}

QString cellText(const QTableWidget &table, int row, const QString &header)
{
    const int column = int(headers(table).indexOf(header));
    if (column < 0 || !table.item(row, column))
        return QStringLiteral("<none>");
    return table.item(row, column)->text();
}

} // namespace

class TestTagListLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { uitest::isolateSettings(); }
    void cleanup() { util::setMessageLanguage(m_language); }

    void lookColumnsOnTheKindsThatHaveThem()
    {
        util::setMessageLanguage(0x412);
        core::CScreenData screen(1);
        core::CTag *tag = nullptr;
        QCOMPARE(screen.CreateTag(core::kTagDigit, false, &tag), core::kTagOk);
        auto &digit = static_cast<core::CDigitTag &>(*tag);
        digit.SetInverse(true);
        digit.SetFont(core::kFontLarge);
        QCOMPARE(screen.CreateTag(core::kTagBmpText, false, &tag), core::kTagOk);
        // "굴림" as a Korean panel stores it.
        static_cast<core::CBmpTextTag &>(*tag).SetWindowsFont(
                util::CLogFont::make(-12, 0, 129, "\xB1\xBC\xB8\xB2"));
        QCOMPARE(screen.CreateTag(core::kTagLine, false, &tag), core::kTagOk);

        const CTagListDialog list(screen, util::kLangKorean);
        const QTableWidget &digits = *list.table(core::kTagDigit);
        QCOMPARE(headers(digits).mid(headers(digits).size() - 3),
                 (QStringList{"색 반전", "테두리", "글꼴"}));
        QCOMPARE(cellText(digits, 0, "색 반전"), QStringLiteral("On"));
        QCOMPARE(cellText(digits, 0, "테두리"), QStringLiteral("Off"));
        QCOMPARE(cellText(digits, 0, "글꼴"), QStringLiteral("큰 글꼴"));
        // The points keep their columns in front of the look.
        QCOMPARE(cellText(digits, 0, "주소값"), QStringLiteral("0"));

        const QTableWidget &texts = *list.table(core::kTagBmpText);
        QCOMPARE(cellText(texts, 0, "글꼴"), QStringLiteral("굴림 12px"));

        // A line has no look settings; a bar graph only a border.
        QVERIFY(!headers(*list.table(core::kTagLine)).contains("테두리"));
        QCOMPARE(headers(*list.table(core::kTagLine)).size(), 4);
        const QStringList bar = headers(*list.table(core::kTagGraph1));
        QVERIFY(bar.contains("테두리"));
        QVERIFY(!bar.contains("색 반전") && !bar.contains("글꼴"));
    }

    void englishCaptionsAndFontNames()
    {
        util::setMessageLanguage(util::kResEnglish);
        core::CScreenData screen(1);
        core::CTag *tag = nullptr;
        QCOMPARE(screen.CreateTag(core::kTagClock, false, &tag), core::kTagOk);
        const CTagListDialog list(screen, util::kLangEnglish);
        const QTableWidget &clocks = *list.table(core::kTagClock);
        QVERIFY(headers(clocks).contains("Inverse"));
        QCOMPARE(cellText(clocks, 0, "Font"), QStringLiteral("Normal font"));
        QCOMPARE(cellText(clocks, 0, "Border"), QStringLiteral("Off"));
    }

private:
    std::uint16_t m_language = util::messageLanguage();
};

QTEST_MAIN(TestTagListLook)
#include "test_tag_list_look.moc"
