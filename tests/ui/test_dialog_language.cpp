// Every window of the gallery and the main window speak one language: in English no label,
// button, group title, check or radio text, combo item, table header, tab, window title, menu or
// dock title holds Hangul, and in Korean none holds an English word. Texts that come from the
// project (the demo's screen names, message and alarm texts) are the panel's own and are left
// out, whatever the interface language.

#include "helpers/ui_fixture.h"

#include "core/plc/system_address.h"
#include "ui/app/dialog_gallery.h"
#include "ui/app/dorvane_app.h"
#include "ui/app/main_frame.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QDockWidget>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <QtTest>

using namespace ui;

namespace {

const QString kDemo = QStringLiteral(DORVANE_RUNTIME_DIR "/Project/Demo.kvr");

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

// The Latin words a Korean window may show: names of things that have no Korean name in the
// program's own Korean windows.
// - the panel and the programs: Velmar, Panel, Dorvane, Quillet;
// - the device and protocol terms the Korean windows use as they stand: PLC, HMI, PC, OS, ID,
//   CPU, RTC, NAK, BCC, COM (ports COM1...), RS (RS-232C, RS-422/485), Modbus, RTU and TCP (the
//   protocols a PLC is reached by), BMP, CSV, PDF, PNG and SVG
//   (file kinds), ms (time-out unit), No (the alarm history's "No." column);
// - the value formats and sizes of a device point: DEC, HEX, BCD, Bit, Word, Long;
// - the switch states and the parity choices the panel settings list: On, Off, ON, OFF, None,
//   Even, Odd;
// - the panel's error names that its NAK codes report: Frame, Command, Sub, Address, Read, Write;
// - the channel radios Ch1 / Ch2, the motor's 최대 RPM and the clock tag's format patterns
//   (YYYY/mm/DD HH:MM:SS, WWW), which the Korean windows show as written.
// The panel's system word names (RTC_HOUR, RESERVED), device paths and file names are names, not
// words.
const QSet<QString> kKoreanLatinWords = {
        QStringLiteral("Velmar"),  QStringLiteral("Panel"),   QStringLiteral("Dorvane"),
        QStringLiteral("Quillet"), QStringLiteral("PLC"),     QStringLiteral("HMI"),
        QStringLiteral("PC"),      QStringLiteral("OS"),      QStringLiteral("ID"),
        QStringLiteral("CPU"),     QStringLiteral("RTC"),     QStringLiteral("NAK"),
        QStringLiteral("BCC"),     QStringLiteral("COM"),     QStringLiteral("BMP"),
        QStringLiteral("CSV"),     QStringLiteral("ms"),      QStringLiteral("DEC"),
        QStringLiteral("HEX"),     QStringLiteral("BCD"),     QStringLiteral("Bit"),
        QStringLiteral("Word"),    QStringLiteral("Long"),    QStringLiteral("On"),
        QStringLiteral("Off"),     QStringLiteral("ON"),      QStringLiteral("OFF"),
        QStringLiteral("None"),    QStringLiteral("Even"),    QStringLiteral("Odd"),
        QStringLiteral("Frame"),   QStringLiteral("Command"), QStringLiteral("Sub"),
        QStringLiteral("Address"), QStringLiteral("Read"),    QStringLiteral("Write"),
        QStringLiteral("Ch"),      QStringLiteral("RPM"),     QStringLiteral("YYYY"),
        QStringLiteral("mm"),      QStringLiteral("DD"),      QStringLiteral("HH"),
        QStringLiteral("MM"),      QStringLiteral("SS"),      QStringLiteral("WWW"),
        QStringLiteral("RS"),      QStringLiteral("Modbus"),  QStringLiteral("RTU"),
        QStringLiteral("TCP"),     QStringLiteral("PNG"),     QStringLiteral("SVG"),
        QStringLiteral("No"),      QStringLiteral("PDF"),
};

// Every text the demo project shows on the panel: screen names, message, alarm and tag texts.
void collectStrings(const QJsonValue &value, QStringList &out)
{
    if (value.isArray()) {
        for (const QJsonValue &v : value.toArray())
            collectStrings(v, out);
    } else if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            const bool panelText = it.key() == QLatin1String("text")
                    || it.key() == QLatin1String("message") || it.key() == QLatin1String("name");
            if (panelText && it->isString() && it->toString().trimmed().size() > 1)
                out << it->toString();
            else
                collectStrings(*it, out);
        }
    }
}

// The texts that are the panel's or the program folder's own rather than the interface's: the
// demo project's texts, the placeholder the panel draws for a missing image, and what PLC.INI
// names: the panel languages (each in its own language, as language lists do) and the PLC types.
QStringList panelTexts()
{
    QFile file(QStringLiteral(DORVANE_SOURCE_DIR "/demo/demo_project.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList out{QStringLiteral("No\nBmp")};
    collectStrings(QJsonDocument::fromJson(file.readAll()).object(), out);
    QFile languages(QStringLiteral(DORVANE_RUNTIME_DIR "/PLC.INI"));
    if (languages.open(QIODevice::ReadOnly | QIODevice::Text)) {
        static const QRegularExpression entry(QStringLiteral("^(?:LANGUAGE|PLC)\\d+=([^,]+),"),
                                              QRegularExpression::CaseInsensitiveOption);
        for (const QByteArray &line : languages.readAll().split('\n'))
            if (const auto m = entry.match(QString::fromUtf8(line).trimmed()); m.hasMatch())
                out << m.captured(1);
    }
    // The longest first, so that a text holding a shorter one is taken out whole.
    std::sort(out.begin(), out.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    return out;
}

// The Korean source texts of the English translation, without their mnemonic markers: an
// English window that shows one of these as it stands left it untranslated, even where a panel
// text happens to read the same (the demo has a screen named 경보).
QSet<QString> sourceTexts()
{
    QFile file(QStringLiteral(DORVANE_SOURCE_DIR "/src/ui/translations/dorvane_en.ts"));
    QSet<QString> out;
    if (!file.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement
            && xml.name() == QLatin1String("source"))
            out.insert(xml.readElementText().remove(QLatin1Char('&')));
    return out;
}

// A shown text without its mnemonic marker, the project's own texts and file names.
QString interfacePart(QString text, const QStringList &panelTexts)
{
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)|&(?=.)"));
    static const QRegularExpression fileName(QStringLiteral("[\\w.*-]*\\.[A-Za-z*]{1,4}\\b"));
    static const QRegularExpression path(QStringLiteral("(^|\\s)/\\S+"));
    text.remove(mnemonic);
    for (const QString &panel : panelTexts)
        text.replace(panel, QStringLiteral(" "));
    text.remove(path);
    text.remove(fileName);
    for (const core::SystemAddress &word : core::systemAddresses()) {
        const QString name = QString::fromLatin1(word.name.data(), qsizetype(word.name.size()));
        text.remove(QRegularExpression(QStringLiteral("\\b%1\\b").arg(name)));
    }
    return text;
}

// What is wrong with a text shown in `korean` or English; empty when it is in the language.
// `panelTexts` are left out of it (none for the places that only the interface fills).
QString languageFault(const QString &shown, bool korean, const QStringList &panelTexts)
{
    const QString text = interfacePart(shown, panelTexts);
    if (!korean)
        return hasHangul(text) ? QStringLiteral("Hangul") : QString();
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QString w = it.next().captured();
        if (!kKoreanLatinWords.contains(w))
            return w;
    }
    return {};
}

// Every text of the dialog a user reads, with where it stands.
QList<QPair<QString, QString>> visibleTexts(const QDialog &dialog)
{
    QList<QPair<QString, QString>> out{{QStringLiteral("title"), dialog.windowTitle()}};
    const auto shown = [&](const QWidget *w) { return w->isVisibleTo(&dialog); };
    for (const QLabel *w : dialog.findChildren<QLabel *>())
        if (shown(w))
            out.append({QStringLiteral("label"), w->text()});
    for (const QAbstractButton *w : dialog.findChildren<QAbstractButton *>())
        if (shown(w))
            out.append({QStringLiteral("button"), w->text()});
    for (const QGroupBox *w : dialog.findChildren<QGroupBox *>())
        if (shown(w))
            out.append({QStringLiteral("group"), w->title()});
    for (const QComboBox *w : dialog.findChildren<QComboBox *>())
        if (shown(w) && !w->isEditable())
            for (int i = 0; i < w->count(); ++i)
                out.append({QStringLiteral("combo item"), w->itemText(i)});
    for (const QTabWidget *w : dialog.findChildren<QTabWidget *>())
        if (shown(w))
            for (int i = 0; i < w->count(); ++i)
                out.append({QStringLiteral("tab"), w->tabText(i)});
    for (const QAbstractItemView *view : dialog.findChildren<QAbstractItemView *>()) {
        if (!shown(view) || !view->model())
            continue;
        const QAbstractItemModel *model = view->model();
        for (int c = 0; c < model->columnCount(); ++c)
            out.append({QStringLiteral("column header"),
                        model->headerData(c, Qt::Horizontal).toString()});
    }
    return out;
}

void menuTexts(const QMenu &menu, QList<QPair<QString, QString>> &out)
{
    out.append({QStringLiteral("menu"), menu.title()});
    for (const QAction *action : menu.actions()) {
        if (action->menu())
            menuTexts(*action->menu(), out);
        else if (!action->isSeparator())
            out.append({QStringLiteral("menu item"), action->text()});
    }
}

// The main window's own texts: menus, dock and tool bar titles, the project tree's items and the
// status bar's labels.
QList<QPair<QString, QString>> frameTexts(const QMainWindow &frame)
{
    QList<QPair<QString, QString>> out;
    for (const QAction *action : frame.menuBar()->actions())
        if (action->menu())
            menuTexts(*action->menu(), out);
    for (const QDockWidget *dock : frame.findChildren<QDockWidget *>())
        out.append({QStringLiteral("title"), dock->windowTitle()});
    for (const QToolBar *bar : frame.findChildren<QToolBar *>())
        out.append({QStringLiteral("title"), bar->windowTitle()});
    for (const QTreeWidget *tree : frame.findChildren<QTreeWidget *>())
        for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(tree)); *it; ++it)
            out.append({QStringLiteral("label"), (*it)->text(0)});
    for (const QLabel *label : frame.statusBar()->findChildren<QLabel *>())
        out.append({QStringLiteral("label"), label->text()});
    return out;
}

// Labels, buttons (image boxes), list items and titles (a screen's name) show the project's
// texts; group titles, tabs and column headers are the interface's alone.
bool mayShowPanelTexts(const QString &where)
{
    return where == QLatin1String("label") || where == QLatin1String("button")
            || where == QLatin1String("combo item") || where == QLatin1String("title");
}

} // namespace

class TestDialogLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        uitest::isolateSettings();
        m_panelTexts = panelTexts();
        QVERIFY(m_panelTexts.size() > 10);
        m_sources = sourceTexts();
        QVERIFY(m_sources.size() > 100);
    }

    // The rules themselves: a file name, a mnemonic and a panel text are not interface words.
    void theCheckTellsInterfaceTextsFromNamesAndPanelTexts()
    {
        const QStringList panel{QStringLiteral("모터 과부하")};
        QVERIFY(languageFault(QStringLiteral("Alarm: 모터 과부하"), false, panel).isEmpty());
        QCOMPARE(languageFault(QStringLiteral("경보 메시지"), false, panel),
                 QStringLiteral("Hangul"));
        QVERIFY(languageFault(QStringLiteral("PLC 타입(&P):"), true, panel).isEmpty());
        QVERIFY(languageFault(QStringLiteral("파일: ch1_nouse.drv"), true, panel).isEmpty());
        QCOMPARE(languageFault(QStringLiteral("통신 Port:"), true, panel), QStringLiteral("Port"));
        QCOMPARE(languageFault(QStringLiteral("&Cancel"), true, panel), QStringLiteral("Cancel"));
        QVERIFY(languageFault(QStringLiteral("COM1  —  /dev/ttyUSB0"), true, panel).isEmpty());
        QVERIFY(languageFault(QStringLiteral("RTC_HOUR"), true, panel).isEmpty());
        QVERIFY(languageFault(QStringLiteral("900 (RESERVED)"), true, panel).isEmpty());
        QCOMPARE(languageFault(QStringLiteral("HOUR 시"), true, panel), QStringLiteral("HOUR"));
    }

    void everyWindowSpeaksTheInterfaceLanguage_data()
    {
        QTest::addColumn<QByteArray>("lang");
        QTest::newRow("Korean") << QByteArray("0x412");
        QTest::newRow("English") << QByteArray("0x409");
    }

    void everyWindowSpeaksTheInterfaceLanguage()
    {
        QFETCH(QByteArray, lang);
        const bool korean = lang == "0x412";
        uitest::ProgramFolder folder;
        folder.setLanguage(lang);
        uitest::MessageRecorder messages;
        CDorvaneApp app(folder.path());
        QVERIFY(app.start());
        CMainFrame &frame = *app.mainFrame();
        QVERIFY(frame.openFile(kDemo));
        QStringList faults;
        for (const GalleryEntry &entry : dialogGallery()) {
            GalleryDialog opened = entry.open(frame);
            QVERIFY2(opened.dialog, qPrintable(entry.name));
            opened.dialog->show();
            for (const auto &[where, text] : visibleTexts(*opened.dialog)) {
                if (!korean && hasHangul(text)
                    && m_sources.contains(QString(text).remove(QLatin1Char('&')))) {
                    faults << QStringLiteral("%1 %2 \"%3\": untranslated")
                                      .arg(entry.name, where, text);
                    continue;
                }
                if (const QString fault = languageFault(
                            text, korean, mayShowPanelTexts(where) ? m_panelTexts : QStringList());
                    !fault.isEmpty())
                    faults << QStringLiteral("%1 %2 \"%3\": %4")
                                      .arg(entry.name, where, text, fault);
            }
            opened.dialog->reject();
        }
        for (const auto &[where, text] : frameTexts(frame))
            if (const QString fault = languageFault(
                        text, korean, mayShowPanelTexts(where) ? m_panelTexts : QStringList());
                !fault.isEmpty())
                faults << QStringLiteral("main window %1 \"%2\": %3").arg(where, text, fault);
        faults.removeDuplicates();
        for (const QString &fault : faults) // the failure message is cut short; these are not
            qWarning().noquote() << fault;
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 texts").arg(faults.size())));
    }

private:
    QStringList m_panelTexts;
    QSet<QString> m_sources;
};

QTEST_MAIN(TestDialogLanguage)
#include "test_dialog_language.moc"
