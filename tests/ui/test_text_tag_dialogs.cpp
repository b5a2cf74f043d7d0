// The text, message and image-text property dialogs driven through their widgets: edits reach
// the tag, refused entries keep the dialog open with their message, Cancel restores every field,
// and an image text's undo step keeps the image area's total.

#include "helpers/ui_fixture.h"
#include "support/recording_prompt.h"

#include "core/model/img_res_mgr.h"
#include "core/model/str_res_mgr.h"
#include "core/tags/bmp_text_tag.h"
#include "core/tags/message_tag.h"
#include "core/tags/panel_text.h"
#include "core/tags/tag_resources.h"
#include "core/tags/text_tag.h"
#include "ui/tags/bmp_text_tag_dialog.h"
#include "ui/tags/message_tag_dialog.h"
#include "ui/tags/point_group_box.h"
#include "ui/tags/tag_prop_dialogs.h"
#include "ui/tags/text_tag_dialog.h"
#include "ui/undo/change_tags_command.h"

#include "util/message_ids.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace ui;
using core::CTagPropDlg;

namespace {

// Types `text` key by key, Hangul included (QTest::keyClicks takes Latin-1 only).
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace

class TestTextTagDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { uitest::isolateSettings(); }

    void init()
    {
        m_images = std::make_unique<core::CImgResMgr>();
        m_strings = std::make_unique<core::CStrResMgr>();
        m_resources = {m_images.get(), m_strings.get(), util::kLangKorean, util::kLangKorean};
        m_images->AdjustUsed(2000);
        m_slots = std::make_unique<core::CPlcSlots>();
        m_changes = 0;
    }

    void factoryOpensEachKindsDialog()
    {
        core::CTextTag text;
        text.BindResources(m_resources);
        core::CMessageTag message;
        message.BindResources(m_resources);
        core::CBmpTextTag bmpText;
        bmpText.BindResources(m_resources);
        QVERIFY(dynamic_cast<CTextTagDialog *>(makeTagPropDialog(context(), text, nullptr).get()));
        QVERIFY(dynamic_cast<CMessageTagDialog *>(
                makeTagPropDialog(context(), message, nullptr).get()));
        QVERIFY(dynamic_cast<CBmpTextTagDialog *>(
                makeTagPropDialog(context(), bmpText, nullptr).get()));
    }

    void textTagEditsReachTheTagAndTypingStopsAtTwentyFourBytes()
    {
        core::CTextTag tag;
        tag.BindResources(m_resources);
        CTextTagDialog dialog(context(), tag);
        QCOMPARE(dialog.windowTitle(), CTextTagDialog::tr("텍스트 속성"));
        dialog.show();
        dialog.textEdit()->selectAll();
        typeText(dialog.textEdit(), QStringLiteral("가나다라마바사아자차카타파하"));
        // Twelve double-byte characters fill the field; the rest could not be typed.
        QCOMPARE(dialog.textEdit()->text(), QStringLiteral("가나다라마바사아자차카타"));
        QCOMPARE(tag.Text().size(), std::size_t(24));
        QVERIFY(m_changes > 0);

        dialog.textEdit()->selectAll();
        QTest::keyClicks(dialog.textEdit(), QString(30, QLatin1Char('A')));
        QCOMPARE(tag.Text(), std::string(24, 'A'));

        QTest::mouseClick(dialog.borderBox(), Qt::LeftButton);
        QTest::mouseClick(dialog.inverseBox(), Qt::LeftButton);
        QTest::mouseClick(dialog.fontButton(core::kFontLarge), Qt::LeftButton);
        dialog.xEdit()->setValue(40);
        QVERIFY(tag.HasBorder() && tag.IsInverse());
        QCOMPARE(tag.Font(), std::uint16_t(core::kFontLarge));
        QCOMPARE(tag.X(), 40);
        {
            // 24 large cells run far off the 192-pixel display: OK says so and stays.
            uitest::MessageRecorder messages;
            dialog.accept();
            QCOMPARE(messages.ids, std::vector<int>{util::msg::kTagOffDisplay});
            QVERIFY(messages.texts.front().contains(QStringLiteral("192 × 64")));
            QVERIFY(dialog.isVisible());
        }
        QTest::mouseClick(dialog.fontButton(core::kFontNormal), Qt::LeftButton);
        dialog.textEdit()->selectAll();
        QTest::keyClicks(dialog.textEdit(), QStringLiteral("Pump 1"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // A paste the panel's text field cannot hold is refused with its reason; the field and the
    // tag keep what they had, and the limit stands beside the field.
    void pastedTextThatCannotBeKeptIsExplained()
    {
        core::CTextTag tag;
        tag.BindResources(m_resources);
        TagDialogContext english = context();
        english.panelLang = util::kLangEnglish;
        CTextTagDialog dialog(english, tag);
        dialog.show();
        dialog.textEdit()->selectAll();
        QTest::keyClicks(dialog.textEdit(), QStringLiteral("Tank"));
        const auto limit = dialog.findChildren<QLabel *>();
        QVERIFY(std::any_of(limit.begin(), limit.end(), [](const QLabel *l) {
            return l->text() == CTextTagDialog::tr("%1/%2 바이트").arg(4).arg(24);
        }));
        {
            uitest::MessageRecorder messages;
            dialog.textEdit()->insert(QStringLiteral("수위 높음"));
            QTRY_COMPARE(messages.ids, std::vector<int>{util::msg::kTextNotInCodePage});
        }
        {
            uitest::MessageRecorder messages;
            dialog.textEdit()->insert(QString(300, QLatin1Char('x')));
            QTRY_COMPARE(messages.ids, std::vector<int>{util::msg::kTextTooLong});
            QVERIFY(messages.texts.front().contains(QStringLiteral("304")));
        }
        QCOMPARE(dialog.textEdit()->text(), QStringLiteral("Tank"));
        QCOMPARE(tag.Text(), std::string("Tank"));
        {
            // Typing past the limit only stops.
            uitest::MessageRecorder messages;
            QTest::keyClicks(dialog.textEdit(), QString(30, QLatin1Char('B')));
            QCoreApplication::processEvents();
            QVERIFY(messages.ids.empty());
            QCOMPARE(tag.Text().size(), std::size_t(24));
        }
    }

    void textTagCancelRestoresEveryField()
    {
        core::CTextTag tag;
        tag.BindResources(m_resources);
        tag.MoveTo(5, 6);
        const util::Bytes before = CTagPropDlg::Body(tag);
        CTextTagDialog dialog(context(), tag);
        dialog.show();
        dialog.textEdit()->selectAll();
        QTest::keyClicks(dialog.textEdit(), QStringLiteral("Changed"));
        dialog.borderBox()->setChecked(true);
        dialog.fontButton(core::kFontSmall)->click();
        dialog.yEdit()->setValue(50);
        QVERIFY(CTagPropDlg::Body(tag) != before);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(CTagPropDlg::Body(tag), before);
    }

    void messageTableEditorFollowsAndCancelRestoresTheTable()
    {
        m_strings->Add(4, "Valve open");
        core::CMessageTag tag;
        tag.BindResources(m_resources);
        const util::Bytes before = CTagPropDlg::Body(tag);
        {
            CMessageTagDialog dialog(context(), tag);
            QVERIFY(!dialog.editMessagesButton()->isEnabled()); // no editor to open
            QVERIFY(dialog.textEdit()->isReadOnly());
        }
        TagDialogContext withEditor = context();
        int opened = 0;
        withEditor.editMessageTable = [&](QWidget *, core::CMessageTag &t) {
            ++opened;
            t.AddEntry(9, 4);
            return true;
        };
        CMessageTagDialog dialog(withEditor, tag);
        dialog.show();
        QVERIFY(dialog.editMessagesButton()->isEnabled());
        QTest::mouseClick(dialog.editMessagesButton(), Qt::LeftButton);
        QCOMPARE(opened, 1);
        QCOMPARE(dialog.textEdit()->text(), QStringLiteral("Valve open"));
        QCOMPARE(tag.Rect().Width(), 10 * 8);
        dialog.borderBox()->click();
        dialog.fontButton(core::kFontLarge)->click();
        QCOMPARE(tag.Font(), std::uint16_t(core::kFontLarge));
        dialog.reject();
        QCOMPARE(CTagPropDlg::Body(tag), before);
        QVERIFY(tag.Entries().empty());
        QCOMPARE(QString::fromStdString(tag.ShownText()), QStringLiteral("Message"));
    }

    void messageTagAddressTheDriverRefusesKeepsTheDialogOpen()
    {
        m_slots->slot(1).SetType(1);
        m_slots->slot(1).SetDeviceKind(core::kDevicePlc);
        TagDialogContext withAddress = context();
        withAddress.editAddress = [](QWidget *, int, std::int32_t, bool mustWrite,
                                     std::string &area, std::string &number) {
            if (mustWrite)
                return false; // the message word is only read
            area = "XYZ";
            number.clear();
            return true;
        };
        core::CMessageTag tag;
        tag.BindResources(m_resources);
        CMessageTagDialog dialog(withAddress, tag);
        dialog.show();
        QTest::mouseClick(dialog.pointBox()->channelButton(1), Qt::LeftButton);
        QCOMPARE(tag.Point().m_channel, std::uint16_t(1));
        QTest::mouseClick(dialog.pointBox()->addressButton(), Qt::LeftButton);
        QCOMPARE(tag.Point().m_address, std::string("XYZ"));
        uitest::MessageRecorder messages;
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QCOMPARE(messages.ids, std::vector<int>{util::msg::kBadAddress});
    }

    void imageTextFontDirectionAndPreview()
    {
        core::CBmpTextTag tag;
        tag.BindResources(m_resources);
        CBmpTextTagDialog dialog(context(), tag);
        QFont offered;
        dialog.setFontChooser([&](QWidget *, const QFont &initial) -> std::optional<QFont> {
            offered = initial;
            QFont chosen(QStringLiteral("Liberation Sans"));
            chosen.setPointSize(18); // 24 pixels
            chosen.setBold(true);
            return chosen;
        });
        dialog.show();
        QVERIFY(dialog.fontButton(core::kFontSmall) == nullptr);
        const QSize previewBefore = dialog.preview()->pixmap().size();
        QVERIFY(!previewBefore.isEmpty());

        QTest::mouseClick(dialog.chooseFontButton(), Qt::LeftButton);
        QCOMPARE(offered.family(), QStringLiteral("NanumGothic"));
        const util::CLogFont &font = tag.WindowsFont();
        QCOMPARE(QString::fromStdString(font.faceName()), QStringLiteral("Liberation Sans"));
        QCOMPARE(font.height(), -24);
        QCOMPARE(font.weight(), 700);

        // On the radio's mark: a wide button takes clicks only beside its mark and text.
        QAbstractButton *down = dialog.directionButton(900);
        QTest::mouseClick(down, Qt::LeftButton, {}, QPoint(6, down->height() / 2));
        QCOMPARE(tag.WindowsFont().escapement(), 900);
        const auto bits = tag.RenderTextImage();
        QVERIFY(bits.has_value());
        // Cut at the panel's bottom edge, as the panel shows it.
        QCOMPARE(bits->height(),
                 std::min(tag.Rect().Height(), core::kPanelHeight - tag.Rect().top));
        QCOMPARE(dialog.preview()->pixmap().size(), QSize(bits->width(), bits->height()) * 2);
        QVERIFY(bits->height() > bits->width()); // standing on its side

        // A family the renderer cannot find is refused with a word and changes nothing.
        dialog.setFontChooser([](QWidget *, const QFont &) -> std::optional<QFont> {
            return QFont(QStringLiteral("No Such Family Anywhere"));
        });
        const util::Bytes chosen = CTagPropDlg::Body(tag);
        uitest::MessageRecorder messages;
        QTest::mouseClick(dialog.chooseFontButton(), Qt::LeftButton);
        QCOMPARE(messages.ids.size(), std::size_t(1));
        QCOMPARE(CTagPropDlg::Body(tag), chosen);
    }

    void everyScalableFamilyTheFontDialogListsIsOneTheRendererFinds()
    {
        int tried = 0;
        for (const QString &family : QFontDatabase::families()) {
            if (!QFontDatabase::isScalable(family))
                continue;
            core::CBmpTextTag tag;
            tag.BindResources(m_resources);
            core::FunctionEnv env{*m_slots, m_prompt, util::kLangKorean};
            core::CBmpTextTagDlg dlg(env, tag);
            QFont font(family);
            font.setPointSize(15);
            const core::FontChoice choice = CBmpTextTagDialog::fromQFont(font);
            if (choice.family.size() >= util::CLogFont::kFaceSize)
                continue; // longer than a font description holds: refused, rightly
            const core::FontResult result = dlg.ChooseFont(choice);
            QVERIFY2(result == core::FontResult::Taken || result == core::FontResult::Unchanged,
                     qPrintable(family));
            QVERIFY2(dlg.Preview().has_value(), qPrintable(family));
            ++tried;
        }
        QVERIFY(tried > 0);
    }

    void imageTextCancelPutsTheImageTotalBack()
    {
        core::CBmpTextTag tag;
        tag.BindResources(m_resources);
        const util::Bytes before = CTagPropDlg::Body(tag);
        const std::uint32_t total = m_images->UsedBytes();
        CBmpTextTagDialog dialog(context(), tag);
        dialog.setFontChooser([](QWidget *, const QFont &) -> std::optional<QFont> {
            QFont chosen(QStringLiteral("Liberation Serif"));
            chosen.setPointSize(24);
            return chosen;
        });
        dialog.show();
        dialog.textEdit()->selectAll();
        QTest::keyClicks(dialog.textEdit(), QStringLiteral("Longer image text"));
        dialog.borderBox()->click();
        dialog.inverseBox()->click();
        dialog.directionButton(2700)->click();
        dialog.chooseFontButton()->click();
        dialog.xEdit()->setValue(30);
        QVERIFY(m_images->UsedBytes() != total);
        dialog.reject();
        QCOMPARE(CTagPropDlg::Body(tag), before);
        QCOMPARE(m_images->UsedBytes(), total);
    }

    void imageTextOverflowingTheImageAreaIsRefused()
    {
        core::CBmpTextTag tag;
        tag.BindResources(m_resources);
        CBmpTextTagDialog dialog(context(), tag);
        dialog.show();
        m_images->AdjustUsed(std::int64_t(core::CImgResMgr::kAreaSize) - m_images->UsedBytes());
        const std::uint32_t total = m_images->UsedBytes();
        uitest::MessageRecorder messages;
        dialog.borderBox()->click();
        QCOMPARE(messages.ids, std::vector<int>{util::msg::kMemoryFull});
        QVERIFY(!dialog.borderBox()->isChecked());
        QVERIFY(!tag.HasBorder());
        QCOMPARE(m_images->UsedBytes(), total);
        QVERIFY(dialog.isVisible());
    }

    void imageTextUndoStepKeepsTheImageTotal()
    {
        core::CBmpTextTag tag;
        tag.BindResources(m_resources);
        const auto before = CChangeTagsCommand::snapshot({&tag});
        const std::uint32_t totalBefore = m_images->UsedBytes();
        CBmpTextTagDialog dialog(context(), tag);
        dialog.show();
        dialog.textEdit()->selectAll();
        QTest::keyClicks(dialog.textEdit(), QStringLiteral("Undo me please"));
        dialog.borderBox()->click();
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const util::Bytes changed = CTagPropDlg::Body(tag);
        const std::uint32_t totalAfter = m_images->UsedBytes();
        QVERIFY(totalAfter != totalBefore);

        CChangeTagsCommand command({&tag}, before, dialog.windowTitle());
        QVERIFY(!command.isEmpty());
        command.redo(); // the change is made already
        QCOMPARE(m_images->UsedBytes(), totalAfter);
        command.undo();
        QCOMPARE(CTagPropDlg::Body(tag), before.front());
        QCOMPARE(m_images->UsedBytes(), totalBefore);
        command.redo();
        QCOMPARE(CTagPropDlg::Body(tag), changed);
        QCOMPARE(m_images->UsedBytes(), totalAfter);
    }

private:
    TagDialogContext context()
    {
        TagDialogContext c;
        c.plcSlots = m_slots.get();
        c.panelLang = util::kLangKorean;
        c.strings = m_strings.get();
        c.tagChanged = [this] { ++m_changes; };
        return c;
    }

    std::unique_ptr<core::CImgResMgr> m_images;
    std::unique_ptr<core::CStrResMgr> m_strings;
    std::unique_ptr<core::CPlcSlots> m_slots;
    core::TagResources m_resources; // the project of the test's tags
    int m_changes = 0;
    support::RecordingPrompt m_prompt;
};

QTEST_MAIN(TestTextTagDialogs)
#include "test_text_tag_dialogs.moc"
