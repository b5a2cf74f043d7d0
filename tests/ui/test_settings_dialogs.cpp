// The options, PLC type, new-project, function-key list and memory windows: each opens with its
// first field focused, Enter meaning OK where there is one, and every input named; the options
// dialog hands every change to its presenter and says once that a new language needs a restart.

#include "helpers/ui_fixture.h"

#include "core/app/app_services.h"
#include "core/model/dorvane_doc.h"
#include "core/presenters/function_env.h"
#include "support/recording_prompt.h"
#include "ui/app/dorvane_app.h"
#include "ui/app/main_frame.h"
#include "ui/dialogs/channel_choice_row.h"
#include "ui/dialogs/env_config_dialog.h"
#include "ui/dialogs/func_key_list_dialog.h"
#include "ui/dialogs/memory_use_dialog.h"
#include "ui/dialogs/plc_type_dialog.h"
#include "ui/dialogs/prj_mgn_dialog.h"

#include "util/message_ids.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace ui;

namespace {

const QString kDemo = QStringLiteral(DORVANE_RUNTIME_DIR "/Project/Demo.kvr");

// Shows `dialog` as the user gets it and checks where the focus and Enter go.
void checkOpening(QDialog &dialog, QWidget *first, QDialogButtonBox::StandardButton enter)
{
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QVERIFY2(uitest::everyInputLabelled(dialog), dialog.metaObject()->className());
    QTRY_COMPARE(QApplication::focusWidget(), first);
    auto *buttons = dialog.findChild<QDialogButtonBox *>();
    QVERIFY(buttons);
    auto *button = qobject_cast<QPushButton *>(buttons->button(enter));
    QVERIFY(button);
    QVERIFY2(button->isDefault(), dialog.metaObject()->className());
}

} // namespace

class TestSettingsDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        uitest::isolateSettings();
        m_folder = std::make_unique<uitest::ProgramFolder>();
        m_app = std::make_unique<CDorvaneApp>(m_folder->path());
        QVERIFY(m_app->start());
        QVERIFY(m_app->mainFrame()->openFile(kDemo));
    }
    void cleanupTestCase()
    {
        m_app.reset();
        m_folder.reset();
    }

    void eachOpensOnItsFirstFieldWithEnterMeaningOk()
    {
        uitest::MessageRecorder messages;
        core::CAppServices &services = m_app->services();
        {
            CEnvConfigDialog dialog(services.Config());
            checkOpening(dialog, dialog.colorButton(0), QDialogButtonBox::Ok);
        }
        {
            support::RecordingPrompt prompt;
            CPlcTypeDialog dialog(services.Config(), *m_app->mainFrame()->document(), prompt);
            checkOpening(dialog, dialog.row(1).combo(), QDialogButtonBox::Ok);
        }
        {
            CPrjMgnDialog dialog(services.Config(), 0);
            checkOpening(dialog, dialog.row(1).combo(), QDialogButtonBox::Ok);
        }
        {
            CMemoryUseDialog dialog(m_app->mainFrame()->document()->Monitor());
            checkOpening(dialog, dialog.table(), QDialogButtonBox::Ok);
        }
        {
            core::CPlcSlots driverSlots;
            support::RecordingPrompt prompt;
            const core::FunctionEnv env{driverSlots, prompt};
            const core::CDorvaneDoc &doc = *m_app->mainFrame()->document();
            CFuncKeyListDialog dialog(env, *doc.Screens().front(), 0x412);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QTRY_COMPARE(QApplication::focusWidget(), dialog.table());
        }
        QVERIFY(messages.ids.empty());
    }

    void optionsForwardEveryChangeAndApplyOnce()
    {
        core::CAppConfig &config = m_app->services().Config();
        uitest::MessageRecorder messages;
        CEnvConfigDialog dialog(config);
        const int minutes = config.autoSaveInterval() == 7 ? 8 : 7;
        dialog.autoSaveSpin()->setValue(minutes);
        QCOMPARE(dialog.autoSaveInterval(), minutes);
        QCOMPARE(dialog.presenter().AutoSave(), minutes);
        dialog.setColor(core::CEnvConfigDlg::kGrid, 0x00445566);
        QCOMPARE(dialog.colors().grid, 0x00445566u);
        // The button shows the colour as the canvas paints it.
        QVERIFY(dialog.colorButton(core::CEnvConfigDlg::kGrid)
                        ->styleSheet()
                        .contains(QStringLiteral("#665544")));
        const int other = dialog.languageCombo()->currentIndex() == 0 ? 1 : 0;
        dialog.languageCombo()->setCurrentIndex(other);
        QCOMPARE(dialog.presenter().Language(), other);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(messages.ids.empty()); // nothing is written before the frame applies
        QVERIFY(dialog.apply());
        QCOMPARE(messages.ids, std::vector<int>{util::msg::kRestartForResources});
        QCOMPARE(config.colors().grid, 0x00445566u);
    }

private:
    std::unique_ptr<uitest::ProgramFolder> m_folder;
    std::unique_ptr<CDorvaneApp> m_app;
};

QTEST_MAIN(TestSettingsDialogs)
#include "test_settings_dialogs.moc"
