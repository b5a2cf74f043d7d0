// The options dialog's colours: each offers the colour the program starts with, and the colour
// put back is the one OK stores.

#include "helpers/ui_fixture.h"

#include "core/app/app_config.h"
#include "core/presenters/env_config_dlg.h"
#include "ui/dialogs/env_config_dialog.h"

#include <QFile>
#include <QPushButton>
#include <QtTest>

using namespace ui;

class TestOptionColours : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { uitest::isolateSettings(); }

    void defaultButtonPutsTheStartingColourBack()
    {
        uitest::ProgramFolder folder;
        core::CAppConfig config;
        config.load(folder.path().toStdString(), 0x412);
        core::EditorColors changed = config.colors();
        changed.back = 0x00112233;
        changed.select = 0x00445566;
        QVERIFY(config.setColors(changed));

        CEnvConfigDialog dialog(config);
        dialog.show();
        QPushButton *backDefault = dialog.defaultButton(core::CEnvConfigDlg::kBack);
        QPushButton *fillDefault = dialog.defaultButton(core::CEnvConfigDlg::kFill);
        // Only a changed colour can go back.
        QVERIFY(backDefault->isEnabled());
        QVERIFY(!fillDefault->isEnabled());
        QVERIFY(!backDefault->accessibleName().isEmpty());

        QTest::mouseClick(backDefault, Qt::LeftButton);
        const core::EditorColors defaults;
        QCOMPARE(dialog.colors().back, defaults.back);
        QCOMPARE(dialog.colors().select, 0x00445566u); // the others keep theirs
        QVERIFY(!backDefault->isEnabled());
        // The colour button shows it at once: COLORREF 2509065 is red 9, green 73, blue 38.
        QVERIFY(dialog.colorButton(core::CEnvConfigDlg::kBack)
                        ->styleSheet()
                        .contains(QStringLiteral("#094926")));

        // From the keyboard: the focus on the button, space presses it.
        QPushButton *selectDefault = dialog.defaultButton(core::CEnvConfigDlg::kSelect);
        selectDefault->setFocus();
        QTest::keyClick(selectDefault, Qt::Key_Space);
        QCOMPARE(dialog.colors().select, defaults.select);

        uitest::MessageRecorder messages;
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        dialog.apply();
        QCOMPARE(config.colors(), defaults);
        QFile ini(folder.file(QStringLiteral("APP.INI")));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(ini.readAll().contains("Back=2509065"));
    }

    void cancelKeepsTheChangedColour()
    {
        uitest::ProgramFolder folder;
        core::CAppConfig config;
        config.load(folder.path().toStdString(), 0x412);
        core::EditorColors changed = config.colors();
        changed.focus = 0x00010203;
        QVERIFY(config.setColors(changed));
        {
            CEnvConfigDialog dialog(config);
            dialog.show();
            QTest::mouseClick(dialog.defaultButton(core::CEnvConfigDlg::kFocus), Qt::LeftButton);
            dialog.reject();
        }
        QCOMPARE(config.colors().focus, 0x00010203u);
    }
};

QTEST_MAIN(TestOptionColours)
#include "test_option_colours.moc"
