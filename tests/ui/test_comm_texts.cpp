// The panel link's texts in the windows: each code's source text is the core's Korean text, the
// English translation is the command line's English text, and a composed text (the area of a
// failed download with the panel's NAK reason, the panel clock's weekday) comes out wholly in the
// interface language: no Hangul in English, no English area name in Korean.

#include "core/comm/comm_text.h"
#include "core/comm/comm_thread.h"
#include "ui/comm/comm_text.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

using comm::CommLanguage;
using comm::CommText;
using comm::CommTextId;

namespace {

bool hasHangul(const QString &text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x1100 && u <= 0x11FF) || (u >= 0x3130 && u <= 0x318F)
            || (u >= 0xAC00 && u <= 0xD7AF))
            return true;
    }
    return false;
}

// The core's text as the windows show line ends.
QString coreText(CommTextId id, CommLanguage language)
{
    const std::string_view text = comm::commFormat(id, language);
    return QString::fromUtf8(text.data(), qsizetype(text.size()))
            .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A code without values as the command line finishes it, line ends as the windows show them.
QString cliText(CommTextId id, CommLanguage language)
{
    return QString::fromStdString(comm::commTextIn(CommText(id), language))
            .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

CommTextId idAt(std::size_t i)
{
    return static_cast<CommTextId>(i);
}

CommText nakDuringDownload(char area, std::uint16_t code)
{
    const comm::CCommThread link;
    return {CommTextId::SendFailed,
            {link.GetAreaName(std::uint8_t(area)),
             comm::CCommThread::ErrorText((std::uint32_t(comm::ErrNak) << 16) | code)}};
}

CommText clockReading(unsigned weekday)
{
    return {CommTextId::ClockReading,
            {CommText::of("2026-12-08"), comm::weekdayText(weekday), CommText::of("09:05:07")}};
}

} // namespace

class TestCommTexts : public QObject
{
    Q_OBJECT

private slots:
    void sourceTextsAreTheCoreKoreanTexts()
    {
        for (std::size_t i = 0; i < comm::kCommTextCount; ++i) {
            const char *source = ui::commTextSource(idAt(i));
            if (!source) {
                QVERIFY2(comm::isLanguageNeutral(idAt(i)), qPrintable(QString::number(i)));
                continue;
            }
            QCOMPARE(QString::fromUtf8(source), coreText(idAt(i), CommLanguage::Korean));
        }
    }

    void koreanInterfaceShowsKoreanAreaNames()
    {
        QCOMPARE(ui::commText(nakDuringDownload('P', 2)),
                 QStringLiteral("상수 영역을 패널로 보내는 중에 통신이 실패했습니다.\nNAK 수신 : "
                                "Command 에러"));
        QCOMPARE(ui::commText(clockReading(2)), QStringLiteral("2026-12-08 화 09:05:07"));
        QCOMPARE(ui::commText(CommTextId::TransferDone),
                 QStringLiteral("통신성공\n\n통신을 성공적으로 끝냈습니다."));
    }

    void englishInterfaceShowsTheCommandLinesEnglishTexts()
    {
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(DORVANE_RUNTIME_DIR "/dorvane_en.qm")));
        QCoreApplication::installTranslator(&english);
        for (std::size_t i = 0; i < comm::kCommTextCount; ++i) {
            if (comm::isLanguageNeutral(idAt(i)))
                continue;
            const QString shown = ui::commText(idAt(i));
            QCOMPARE(shown, cliText(idAt(i), CommLanguage::English));
            QVERIFY2(!hasHangul(shown), qPrintable(shown));
        }
        for (const char area : {'A', 'C', 'F', 'G', 'P', 'R', 'S', 'T', 'Z'})
            for (std::uint16_t code = 0; code < 8; ++code) {
                const QString shown = ui::commText(nakDuringDownload(area, code));
                QVERIFY2(!hasHangul(shown), qPrintable(shown));
            }
        QCOMPARE(ui::commText(nakDuringDownload('P', 2)),
                 QStringLiteral("Sending the constant area to the panel failed.\nNAK received: "
                                "Command error"));
        QCOMPARE(ui::commText(clockReading(2)), QStringLiteral("2026-12-08 Tue 09:05:07"));
        QCoreApplication::removeTranslator(&english);
    }
};

QTEST_MAIN(TestCommTexts)
#include "test_comm_texts.moc"
