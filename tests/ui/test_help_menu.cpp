// The Help menu: last in the menu bar; F1 opens the manual of the interface language from the
// program folder (another language's when it has none, a message when there is none); the
// About box names the version, the folder in use and the libraries' licences; and the manual the
// build renders shows its pictures.

#include "helpers/ui_fixture.h"

#include "ui/app/dorvane_app.h"
#include "ui/app/main_frame.h"
#include "ui/help/about_dialog.h"
#include "ui/help/help_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace ui;

namespace {

QByteArray page(const char *title, const char *body)
{
    return QByteArray("<html><body><h1>") + title + "</h1><p>" + body + "</p></body></html>";
}

} // namespace

class TestHelpMenu : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<uitest::ProgramFolder> m_folder;
    std::unique_ptr<CDorvaneApp> m_app;

    CMainFrame &frame() { return *m_app->mainFrame(); }

    void start(const char *lang)
    {
        m_app.reset();
        m_folder = std::make_unique<uitest::ProgramFolder>();
        m_folder->setLanguage(lang);
    }
    void run()
    {
        m_app = std::make_unique<CDorvaneApp>(m_folder->path());
        QVERIFY(m_app->start());
        frame().show();
    }
    CHelpWindow *helpWindow() { return frame().findChild<CHelpWindow *>(); }

private slots:
    void initTestCase() { uitest::isolateSettings(); }
    void cleanup() { m_app.reset(); }

    void helpIsTheLastMenuAndF1OpensTheManual()
    {
        start("0x412");
        m_folder->write(QStringLiteral("dorvane_ko.html"), page("설명서", "한국어"));
        m_folder->write(QStringLiteral("dorvane_en.html"), page("Manual", "English"));
        run();
        const QList<QAction *> menus = frame().menuBar()->actions();
        QCOMPARE(menus.last()->text(), QStringLiteral("도움말(&H)"));
        QAction *manual = frame().action(MainAction::HelpManual);
        QVERIFY(menus.last()->menu()->actions().contains(manual));
        QVERIFY(menus.last()->menu()->actions().contains(frame().action(MainAction::HelpAbout)));
        QCOMPARE(manual->shortcut(), QKeySequence(QKeySequence::HelpContents));

        frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame()));
        QTest::keyClick(&frame(), Qt::Key_F1);
        CHelpWindow *window = helpWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        // The interface language's manual, from the program folder.
        QCOMPARE(QFileInfo(window->manualFile()).fileName(), QStringLiteral("dorvane_ko.html"));
        QVERIFY(window->browser()->toPlainText().contains(QStringLiteral("한국어")));
        // Once more: the same window comes to the front.
        manual->trigger();
        QCOMPARE(frame().findChildren<CHelpWindow *>().size(), 1);
    }

    void anotherLanguagesManualOrAMessage()
    {
        start("0x409");
        run();
        {
            uitest::MessageRecorder messages;
            frame().action(MainAction::HelpManual)->trigger();
            QVERIFY(!helpWindow());
            QCOMPARE(messages.texts.size(), std::size_t(1));
            QVERIFY(messages.texts.front().contains(QStringLiteral("dorvane_en.html")));
        }
        // Only a Korean manual: better than none.
        m_folder->write(QStringLiteral("dorvane_ko.html"), page("설명서", "한국어"));
        uitest::MessageRecorder none;
        frame().action(MainAction::HelpManual)->trigger();
        QVERIFY(helpWindow());
        QCOMPARE(QFileInfo(helpWindow()->manualFile()).fileName(),
                 QStringLiteral("dorvane_ko.html"));
        QVERIFY(none.ids.empty() && none.texts.empty());
    }

    void aboutNamesVersionFolderAndLicences()
    {
        start("0x409");
        run();
        QString version, folders;
        QStringList libraries;
        QTimer::singleShot(0, [&] {
            auto *about = qobject_cast<CAboutDialog *>(QApplication::activeModalWidget());
            if (!about)
                return;
            version = about->versionLabel()->text();
            folders = about->folderLabel()->text();
            for (int r = 0; r < about->licences()->rowCount(); ++r)
                libraries << about->licences()->item(r, 0)->text() + QLatin1String(": ")
                                + about->licences()->item(r, 1)->text();
            about->reject();
        });
        frame().action(MainAction::HelpAbout)->trigger();
        QVERIFY2(version.contains(QStringLiteral(DORVANE_TEST_VERSION)), qPrintable(version));
        QVERIFY2(folders.contains(QDir::toNativeSeparators(QDir::cleanPath(m_folder->path()))),
                 qPrintable(folders));
        QVERIFY(libraries.contains(QStringLiteral("Qt 6: GNU LGPL 3")));
        QVERIFY(libraries.contains(QStringLiteral("SQLite: public domain")));
        QVERIFY(libraries.filter(QStringLiteral("FreeType")).size() == 1);
    }

    void theBuiltManualShowsItsPicturesAndFollowsItsLinks()
    {
        const QDir runtime(QStringLiteral(DORVANE_RUNTIME_DIR));
        for (const char *name : {"dorvane_ko.html", "dorvane_en.html"}) {
            const QString file = runtime.filePath(QLatin1String(name));
            QVERIFY2(QFileInfo::exists(file), qPrintable(file));
            CHelpWindow window(file);
            window.show();
            QTextDocument *doc = window.browser()->document();
            // Every picture the pages show was drawn into the program folder.
            // Every link leads somewhere: a page of the file or the web.
            QStringList names, hrefs;
            for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
                names << b.charFormat().anchorNames();
                for (auto it = b.begin(); !it.atEnd(); ++it) {
                    const QTextCharFormat f = it.fragment().charFormat();
                    names << f.anchorNames();
                    if (f.isAnchor() && !f.anchorHref().isEmpty())
                        hrefs << f.anchorHref();
                }
            }
            QVERIFY2(!hrefs.isEmpty() && !names.isEmpty(), qPrintable(names.join(',')));
            for (const QString &href : hrefs)
                QVERIFY2(href.startsWith(QLatin1String("http"))
                                 || (href.startsWith(QLatin1Char('#'))
                                     && names.contains(href.mid(1))),
                         qPrintable(href));
            int pictures = 0;
            for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
                for (auto it = b.begin(); !it.atEnd(); ++it) {
                    const QTextCharFormat f = it.fragment().charFormat();
                    if (!f.isImageFormat())
                        continue;
                    const QString source = f.toImageFormat().name();
                    QVERIFY2(QFileInfo::exists(runtime.filePath(source)), qPrintable(source));
                    ++pictures;
                }
            QVERIFY(pictures > 20);
            // A link to another page moves within the file, and back returns.
            QScrollBar *scroll = window.browser()->verticalScrollBar();
            const int top = scroll->value();
            window.browser()->setSource(QUrl(QStringLiteral("#page-tags")));
            QVERIFY(scroll->value() > top);
            QTRY_VERIFY(window.backButton()->isEnabled());
            QTest::mouseClick(window.backButton(), Qt::LeftButton);
            QCOMPARE(scroll->value(), top);
        }
    }
};

QTEST_MAIN(TestHelpMenu)
#include "test_help_menu.moc"
