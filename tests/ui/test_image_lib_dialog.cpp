// The image library and add-image dialogs on a library folder of the test's own, the image
// button of the tag dialogs, and the screen property dialog choosing its background through them.

#include "helpers/ui_fixture.h"
#include "support/recording_prompt.h"

#include "core/app/app_services.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/screen_data.h"
#include "core/presenters/function_env.h"
#include "ui/app/dorvane_app.h"
#include "ui/app/main_frame.h"
#include "ui/app/project_controller.h"
#include "ui/dialogs/image_lib_add_dialog.h"
#include "ui/dialogs/image_lib_cell.h"
#include "ui/dialogs/image_lib_dialog.h"
#include "ui/project/screen_prop_dialog.h"

#include "util/mono_bitmap.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QUndoStack>
#include <QWheelEvent>
#include <QtTest>

#include <functional>
#include <memory>

using namespace ui;

namespace {

// A black-and-white picture saved by Qt's own BMP writer.
QString writeBitmap(const QString &path, int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int i = 0; i < std::min(w, h); ++i)
        img.setPixel(i, i, qRgb(0, 0, 0));
    return img.save(path, "BMP") ? path : QString();
}

// Runs `drive` on the modal dialog of type T that the next call opens.
template<typename T>
void whenOpened(std::function<void(T &)> drive)
{
    QTimer::singleShot(0, [drive] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        drive(*dialog);
    });
}

void clickOk(QDialog &dialog)
{
    auto *box = dialog.findChild<QDialogButtonBox *>();
    QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

} // namespace

class TestImageLibDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<uitest::ProgramFolder> m_folder;
    core::CPlcSlots m_slots;
    support::RecordingPrompt m_prompt;

    std::string imagesDir() const { return m_folder->file(QStringLiteral("Images")).toStdString(); }
    QString library(int number) const
    {
        return m_folder->file(QStringLiteral("Images/%1.bmp").arg(number));
    }
    core::FunctionEnv env() { return {m_slots, m_prompt}; }

private slots:
    void initTestCase() { uitest::isolateSettings(); }
    void init() { m_folder = std::make_unique<uitest::ProgramFolder>(); }
    void cleanup()
    {
        CImageLibAddDialog::setFileChooser({});
        setLibraryImageChooser({});
        m_folder.reset();
    }

    void opensOnTheIncomingNumberAndHandsBackTheClickedCell()
    {
        QVERIFY(!writeBitmap(library(1005), 16, 8).isEmpty());
        CImageLibDialog dlg(env(), imagesDir(), 1005);
        dlg.show();
        QCOMPARE(dlg.categoryBox()->currentIndex(), 1);
        QCOMPARE(dlg.categoryBox()->currentText(), messageString(51801));
        QVERIFY(dlg.cell(5)->isSelected());
        QVERIFY(dlg.cell(5)->hasImage());
        QVERIFY(!dlg.cell(4)->hasImage()); // no file: an empty cell
        QCOMPARE(dlg.cell(5)->accessibleName(), QStringLiteral("5"));
        QCOMPARE(dlg.cell(5)->focusPolicy(), Qt::StrongFocus);

        QTest::mouseClick(dlg.cell(2), Qt::LeftButton);
        QVERIFY(dlg.cell(2)->isSelected());
        QVERIFY(!dlg.cell(5)->isSelected());
        clickOk(dlg);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.chosenNumber(), 1002);
    }

    void scrollBarWheelAndArrowsMoveTheCells()
    {
        CImageLibDialog dlg(env(), imagesDir(), 2);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QApplication::setActiveWindow(&dlg);
        QCOMPARE(dlg.scrollBar()->maximum(), 248);
        dlg.scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(dlg.cell(0)->label(), QStringLiteral("4"));
        dlg.scrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(dlg.cell(0)->label(), QStringLiteral("12"));
        dlg.scrollBar()->setValue(10);
        QCOMPARE(dlg.presenter().Row(), 10u);
        QCOMPARE(dlg.cell(7)->label(), QStringLiteral("47"));
        // The selected number 2 is out of sight: no cell shows the mark.
        for (int i = 0; i < 8; ++i)
            QVERIFY(!dlg.cell(i)->isSelected());

        // One notch up: one row up (a synthesized event does not climb from the cell itself).
        const QPointF at = dlg.cell(1)->geometry().center();
        QWheelEvent wheel(at, dlg.mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&dlg, &wheel);
        QCOMPARE(dlg.scrollBar()->value(), 9);
        QCOMPARE(dlg.cell(0)->label(), QStringLiteral("36"));

        // Arrows move the selection from the focused cell and scroll along.
        QTest::mouseClick(dlg.cell(6), Qt::LeftButton); // number 42
        QTest::keyClick(dlg.cell(6), Qt::Key_Down);
        QCOMPARE(dlg.presenter().SelectedIndex(), 46);
        QCOMPARE(dlg.scrollBar()->value(), 10);
        QVERIFY(dlg.cell(6)->isSelected());
        QVERIFY(dlg.cell(6)->hasFocus());
        QTest::keyClick(dlg.cell(6), Qt::Key_Right);
        QCOMPARE(dlg.presenter().SelectedIndex(), 47);
        QVERIFY(dlg.cell(7)->hasFocus());

        // A double click is OK.
        QTest::mouseDClick(dlg.cell(1), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.chosenNumber(), 41);
    }

    void addDialogCopiesTheFileIntoTheShownCell()
    {
        uitest::MessageRecorder messages(ui::Answer::No);
        const QString source = writeBitmap(m_folder->file(QStringLiteral("lamp.bmp")), 20, 10);
        QVERIFY(!source.isEmpty());
        QVERIFY(!writeBitmap(m_folder->file(QStringLiteral("huge.bmp")), 200, 10).isEmpty());
        CImageLibDialog dlg(env(), imagesDir(), 1005);
        dlg.show();
        QVERIFY(!dlg.cell(5)->hasImage());

        bool driven = false;
        whenOpened<CImageLibAddDialog>([&](CImageLibAddDialog &add) {
            QCOMPARE(add.windowTitle(), CImageLibAddDialog::tr("새 이미지 추가"));
            QCOMPARE(add.numberEdit()->value(), 5); // the selected number is free
            QCOMPARE(add.numberEdit()->maximum(), 1999);
            QTest::mouseClick(add.previewButton(), Qt::LeftButton); // no name yet
            QTest::keyClicks(add.fileEdit(), m_folder->file(QStringLiteral("huge.bmp")));
            QTest::mouseClick(add.previewButton(), Qt::LeftButton);
            QCOMPARE(messages.ids, (std::vector<int>{51810, 51814}));
            QVERIFY(add.sizeText()->text().isEmpty());
            add.fileEdit()->clear();
            QTest::keyClicks(add.fileEdit(), source);
            QTest::mouseClick(add.previewButton(), Qt::LeftButton);
            QCOMPARE(add.sizeText()->text(), QStringLiteral("( 20 x 10 )"));
            QVERIFY(!add.picture()->pixmap().isNull());
            clickOk(add);
            QCOMPARE(add.result(), int(QDialog::Accepted));
            driven = true;
        });
        QTest::mouseClick(dlg.addButton(), Qt::LeftButton);
        QVERIFY(driven);
        QVERIFY(QFile::exists(library(1005)));
        QVERIFY(dlg.cell(5)->hasImage());

        // The number taken: 51811 answered No keeps the add dialog open.
        driven = false;
        whenOpened<CImageLibAddDialog>([&](CImageLibAddDialog &add) {
            QCOMPARE(add.numberEdit()->value(), 6); // 5 is taken now
            add.numberEdit()->setValue(5);
            QTest::keyClicks(add.fileEdit(), source);
            clickOk(add);
            QCOMPARE(messages.ids.back(), 51811);
            QVERIFY(add.isVisible());
            add.reject();
            driven = true;
        });
        QTest::mouseClick(dlg.addButton(), Qt::LeftButton);
        QVERIFY(driven);
    }

    void browsingStartsFromTheImagesFolderAndPreviewsTheChoice()
    {
        uitest::MessageRecorder messages;
        const QString source = writeBitmap(m_folder->file(QStringLiteral("pic.bmp")), 30, 12);
        QString start;
        CImageLibAddDialog::setFileChooser([&](QWidget *, const QString &from) {
            start = from;
            return source;
        });
        CImageLibDialog dlg(env(), imagesDir(), 65535);
        whenOpened<CImageLibAddDialog>([&](CImageLibAddDialog &add) {
            QTest::mouseClick(add.browseButton(), Qt::LeftButton);
            QCOMPARE(add.fileEdit()->text(), source);
            QCOMPARE(add.sizeText()->text(), QStringLiteral("( 30 x 12 )"));
            clickOk(add);
        });
        dlg.addImage();
        QCOMPARE(start, QString::fromStdString(imagesDir()));
        QVERIFY(QFile::exists(library(0)));
        QVERIFY(dlg.cell(0)->hasImage());
        // The next add dialog starts where the last file was chosen.
        whenOpened<CImageLibAddDialog>([&](CImageLibAddDialog &add) {
            QTest::mouseClick(add.browseButton(), Qt::LeftButton);
            add.reject();
        });
        dlg.addImage();
        QCOMPARE(start, source);
        QVERIFY(messages.ids.empty());
    }

    void deleteKeyRemovesTheSelectedFileAfterAsking()
    {
        uitest::MessageRecorder messages(ui::Answer::Yes);
        QVERIFY(!writeBitmap(library(3), 8, 8).isEmpty());
        CImageLibDialog dlg(env(), imagesDir(), 3);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QApplication::setActiveWindow(&dlg);
        dlg.cell(3)->setFocus();
        QTest::keyClick(dlg.cell(3), Qt::Key_Delete);
        QCOMPARE(messages.ids, std::vector<int>{51815});
        QVERIFY(!QFile::exists(library(3)));
        QVERIFY(!dlg.cell(3)->hasImage());
        // Nothing left to delete: no question.
        QTest::mouseClick(dlg.deleteButton(), Qt::LeftButton);
        QCOMPARE(messages.ids.size(), std::size_t(1));
    }

    void screenBackgroundPickedInTheLibraryAndPutBackByCancel()
    {
        CDorvaneApp app(m_folder->path());
        QVERIFY(app.start());
        CMainFrame &frame = *app.mainFrame();
        QVERIFY(frame.newProject(
                app.services().NewProjectDefaults(m_folder->file("Project/b.kvr").toStdString())));
        QVERIFY(!writeBitmap(library(1003), 40, 20).isEmpty());
        core::CScreenData &screen = *frame.document()->FindScreen(0);
        const core::CImgResMgr &images = frame.document()->Images();
        const int steps = frame.undoStack()->count();
        {
            CScreenPropDialog dlg(*frame.document(), frame.panelLangId(), screen, &frame);
            QVERIFY(!dlg.backgroundCheck()->isEnabled());
            // The real library dialog: the lamp category, its fourth cell.
            whenOpened<CImageLibDialog>([](CImageLibDialog &lib) {
                lib.categoryBox()->setCurrentIndex(1);
                QTest::mouseClick(lib.cell(3), Qt::LeftButton);
                clickOk(lib);
            });
            QTest::mouseClick(dlg.backgroundButton(), Qt::LeftButton);
            QCOMPARE(screen.BackgroundImage(), 1003);
            QVERIFY(images.Find(1003));
            QVERIFY(dlg.backgroundCheck()->isEnabled());
            QVERIFY(dlg.backgroundCheck()->isChecked());
            QCOMPARE(dlg.backgroundSize()->text(), QStringLiteral("( 40 x 20 )"));
            dlg.done(QDialog::Rejected);
        }
        QCOMPARE(screen.BackgroundImage(), core::kNoImage);
        QVERIFY(!screen.IsBackgroundOn());
        QVERIFY(!images.Find(1003));
        QCOMPARE(frame.undoStack()->count(), steps);

        // Confirmed, the choice is one undo step.
        setLibraryImageChooser([](QWidget *, const core::FunctionEnv &, const std::string &,
                                  std::uint16_t current) -> std::optional<std::uint16_t> {
            return current == core::kNoImage ? 1003 : current;
        });
        whenOpened<CScreenPropDialog>([](CScreenPropDialog &dlg) {
            QTest::mouseClick(dlg.backgroundButton(), Qt::LeftButton);
            clickOk(dlg);
        });
        frame.editScreenProperties(screen.Number());
        QCOMPARE(screen.BackgroundImage(), 1003);
        QCOMPARE(frame.undoStack()->count(), steps + 1);
        frame.undoStack()->undo();
        QCOMPARE(screen.BackgroundImage(), core::kNoImage);
        QVERIFY(!screen.IsBackgroundOn());
    }
};

QTEST_MAIN(TestImageLibDialog)
#include "test_image_lib_dialog.moc"
