// A project made in the editor alone: a numeric tag bound to Modbus register 40001 through the
// address entry, writable with limits; a lamp with two library images, one of them a BMP file
// added to the library on the way; a message tag's table filled with new messages; an image
// text's font chosen in the font dialog. Saved, reopened, and the command line's JSON export
// shows exactly those fields.

#include "helpers/ui_fixture.h"

#include "core/model/dorvane_doc.h"
#include "core/tags/tag.h"
#include "ui/app/dorvane_app.h"
#include "ui/app/main_frame.h"
#include "ui/canvas/screen_canvas.h"
#include "ui/canvas/tool_ids.h"
#include "ui/dialogs/edit_strs_dialog.h"
#include "ui/dialogs/image_lib_add_dialog.h"
#include "ui/dialogs/image_lib_cell.h"
#include "ui/dialogs/image_lib_dialog.h"
#include "ui/dialogs/msg_edit_dialog.h"
#include "ui/dialogs/sys_addr_dialog.h"
#include "ui/tags/bmp_text_tag_dialog.h"
#include "ui/tags/digit_tag_dialog.h"
#include "ui/tags/lamp_tag_dialog.h"
#include "ui/tags/message_tag_dialog.h"
#include "ui/tags/point_group_box.h"
#include "ui/tags/tag_image_box.h"
#include "ui/view/dorvane_view.h"

#include "core/app/app_services.h"
#include "core/model/img_res_mgr.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtEndian>
#include <QtTest>

#include <functional>

using namespace ui;

namespace {

// Runs `drive` on the modal dialog of type D once it is up.
template<typename D>
void whenModal(std::function<void(D &)> drive)
{
    QTimer::singleShot(0, [drive] {
        auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget());
        QVERIFY2(dialog, D::staticMetaObject.className());
        drive(*dialog);
        // A failed check inside leaves the dialog open: close it so the test can end.
        if (QTest::currentTestFailed() && dialog->isVisible())
            dialog->reject();
    });
}

void typeInto(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

QJsonObject tagOfKind(const QJsonObject &project, const QString &kind)
{
    for (const auto screen : project.value("screens").toArray())
        for (const auto tag : screen.toObject().value("tags").toArray())
            if (tag.toObject().value("kind").toString() == kind)
                return tag.toObject();
    return {};
}

} // namespace

class TestTagDialogsFlow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<uitest::ProgramFolder> m_folder;
    std::unique_ptr<CDorvaneApp> m_app;

    CMainFrame &frame() { return *m_app->mainFrame(); }
    CScreenCanvas *canvas() { return frame().activeView()->canvas(); }

    // Places a tag of `tool` with the tool at panel pixel (x, y); it comes out selected.
    void place(int tool, int x, int y)
    {
        frame().chooseTool(tool);
        const QPoint at = canvas()->toDevice(core::CRect{x, y, x + 1, y + 1}).center();
        QTest::mousePress(canvas(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(canvas(), Qt::LeftButton, {}, at);
        QCOMPARE(canvas()->selection().size(), std::size_t(1));
    }
    void openProperties() { QTest::keyClick(canvas(), Qt::Key_Return); }

private slots:
    void initTestCase()
    {
        uitest::isolateSettings();
        util::setMessageLanguage(0x412);
        m_folder = std::make_unique<uitest::ProgramFolder>();
        // The shipped image library.
        const QDir images(QStringLiteral(DORVANE_RUNTIME_DIR "/Images"));
        for (const QString &f : images.entryList({QStringLiteral("*.bmp")}, QDir::Files))
            QFile::copy(images.filePath(f), m_folder->file("Images/" + f));
        m_app = std::make_unique<CDorvaneApp>(m_folder->path());
        QVERIFY(m_app->start());
        auto &s = m_app->services();
        QVERIFY(frame().newProject(s.NewProjectDefaults(
                QDir(m_folder->file("Project")).filePath("flow.kvr").toStdString())));
        frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
    }

    void cleanupTestCase()
    {
        m_app.reset();
        m_folder.reset();
    }

    void numericBoundToRegister40001WritableWithLimits()
    {
        place(ToolDigit, 10, 2);
        whenModal<CDigitTagDialog>([](CDigitTagDialog &d) {
            QTest::mouseClick(d.pointBox()->channelButton(1), Qt::LeftButton);
            d.pointBox()->stationBox()->setCurrentIndex(1);
            QTest::mouseClick(d.writableBox(), Qt::LeftButton);
            // The limits are taken when their edit loses the focus: the dialog must be active.
            QApplication::setActiveWindow(&d);
            typeInto(d.pointBox()->minEdit(), QStringLiteral("10"));
            typeInto(d.pointBox()->maxEdit(), QStringLiteral("500"));
            QCOMPARE(d.presenter().Digit().Point().m_min, 10u);
            QCOMPARE(d.presenter().Digit().Point().m_max, 500u);
            whenModal<CSysAddrDialog>([](CSysAddrDialog &a) {
                a.areaBox()->setCurrentIndex(a.areaBox()->findText(QStringLiteral("4x")));
                a.numberEdit()->setText(QStringLiteral("1"));
                a.accept();
            });
            QTest::mouseClick(d.pointBox()->addressButton(), Qt::LeftButton);
            QCOMPARE(d.pointBox()->addressEdit()->text(), QStringLiteral("4x1"));
            d.accept();
        });
        const int steps = frame().undoStack()->count();
        openProperties();
        QCOMPARE(frame().undoStack()->count(), steps + 1);
    }

    void lampTakesALibraryImageAndANewlyAddedOne()
    {
        // A BMP file made by an outside tool (Qt's writer), 16 x 16, a filled square.
        QImage picture(16, 16, QImage::Format_Mono);
        picture.fill(1);
        for (int y = 4; y < 12; ++y)
            for (int x = 4; x < 12; ++x)
                picture.setPixel(x, y, 0);
        const QString bmp = m_folder->file("square.bmp");
        QVERIFY(picture.save(bmp, "BMP"));

        place(ToolLamp, 60, 2);
        whenModal<CLampTagDialog>([bmp](CLampTagDialog &d) {
            // OFF: library image 1001 (lamp/button category, number 1).
            whenModal<CImageLibDialog>([](CImageLibDialog &lib) {
                lib.categoryBox()->setCurrentIndex(1);
                QTest::mouseClick(lib.cell(1), Qt::LeftButton);
                lib.accept();
            });
            QTest::mouseClick(d.offImageBox(), Qt::LeftButton);
            QCOMPARE(d.offImageBox()->image(), std::uint16_t(1001));
            QVERIFY(d.offImageBox()->hasPicture());
            // ON: add the BMP file to the library as number 10 of the category and take it.
            whenModal<CImageLibDialog>([bmp](CImageLibDialog &lib) {
                lib.categoryBox()->setCurrentIndex(1);
                whenModal<CImageLibAddDialog>([bmp](CImageLibAddDialog &add) {
                    add.numberEdit()->setValue(10);
                    add.fileEdit()->setText(bmp);
                    QTest::mouseClick(add.previewButton(), Qt::LeftButton);
                    add.accept();
                });
                QTest::mouseClick(lib.addButton(), Qt::LeftButton);
                lib.scrollBar()->setValue(2); // the rows of 8 to 15
                const int cell = lib.presenter().CellOf(10);
                QVERIFY(cell >= 0);
                QTest::mouseClick(lib.cell(cell), Qt::LeftButton);
                lib.accept();
            });
            QTest::mouseClick(d.onImageBox(), Qt::LeftButton);
            QCOMPARE(d.onImageBox()->image(), std::uint16_t(1010));
            QVERIFY(d.onImageBox()->hasPicture());
            d.accept();
        });
        openProperties();
        QVERIFY(QFile::exists(m_folder->file("Images/1010.bmp")));
    }

    void messageTableFilledWithNewMessages()
    {
        place(ToolMessage, 10, 24);
        whenModal<CMessageTagDialog>([](CMessageTagDialog &d) {
            whenModal<CMsgEditDialog>([](CMsgEditDialog &m) {
                whenModal<CEditStrsDialog>([](CEditStrsDialog &s) {
                    for (const auto &[id, text] : {std::pair{1, "RUN"}, std::pair{2, "STOP"}}) {
                        s.idSpin()->setValue(id);
                        s.textEdit()->setFocus();
                        s.textEdit()->selectAll();
                        QTest::keyClicks(s.textEdit(), QString::fromLatin1(text));
                        QTest::mouseClick(s.addButton(), Qt::LeftButton);
                    }
                    s.reject();
                });
                QTest::mouseClick(m.manageButton(), Qt::LeftButton);
                m.tableGrid()->item(0, 0)->setText(QStringLiteral("1"));
                m.tableGrid()->item(0, 1)->setText(QStringLiteral("1"));
                m.tableGrid()->item(1, 0)->setText(QStringLiteral("0"));
                m.tableGrid()->item(1, 1)->setText(QStringLiteral("2"));
                m.accept();
            });
            QTest::mouseClick(d.editMessagesButton(), Qt::LeftButton);
            QCOMPARE(d.textEdit()->text(), QStringLiteral("STOP")); // the lowest value's message
            d.accept();
        });
        openProperties();
    }

    void imageTextFontFromTheFontDialog()
    {
        place(ToolBmpText, 100, 30);
        whenModal<CBmpTextTagDialog>([](CBmpTextTagDialog &d) {
            whenModal<QFontDialog>([](QFontDialog &f) {
                QFont font(QStringLiteral("Liberation Sans"));
                font.setPixelSize(12);
                font.setBold(true);
                f.setCurrentFont(font);
                f.accept();
            });
            QTest::mouseClick(d.chooseFontButton(), Qt::LeftButton);
            d.accept();
        });
        openProperties();
    }

    void savedReopenedAndExportedWithExactlyThoseFields()
    {
        QVERIFY(frame().save());
        const QString path = QString::fromStdString(frame().document()->Path());
        frame().closeProject();
        QVERIFY(frame().openFile(path));
        QCOMPARE(int(frame().document()->FindScreen(0)->TagCount()), 4);

        QProcess cli;
        cli.start(QStringLiteral(DORVANE_RUNTIME_DIR "/dorvane-cli"),
                  {QStringLiteral("--program-dir"), m_folder->path(), QStringLiteral("export"),
                   path});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        const QJsonObject project = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();

        const QJsonObject numeric = tagOfKind(project, "numeric").value("fields").toObject();
        const QJsonObject point = numeric.value("point").toObject();
        QCOMPARE(point.value("channel").toInt(), 1);
        QCOMPARE(point.value("station").toInt(), 1);
        QCOMPARE(point.value("address").toString(), QStringLiteral("4x"));
        QCOMPARE(point.value("second").toString(), QStringLiteral("1"));
        QCOMPARE(point.value("minimum").toInt(), 10);
        QCOMPARE(point.value("maximum").toInt(), 500);
        QCOMPARE(numeric.value("writable").toInt(), 1);

        const QJsonObject lamp = tagOfKind(project, "lamp").value("fields").toObject();
        QCOMPARE(lamp.value("offImage").toInt(), 1001);
        QCOMPARE(lamp.value("onImage").toInt(), 1010);
        QStringList images;
        for (const auto image : project.value("images").toArray())
            images << QString::number(image.toObject().value("id").toInt());
        QVERIFY2(images.contains("1001") && images.contains("1010"), qPrintable(images.join(',')));

        const QJsonObject message = tagOfKind(project, "message").value("fields").toObject();
        const QJsonArray entries = message.value("entries").toArray();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0].toObject().value("value").toInt(), 0);
        QCOMPARE(entries[0].toObject().value("message").toInt(), 2);
        QCOMPARE(entries[1].toObject().value("value").toInt(), 1);
        QCOMPARE(entries[1].toObject().value("message").toInt(), 1);
        QCOMPARE(project.value("messages").toArray().size(), 2);

        const QJsonObject text = tagOfKind(project, "imageText").value("fields").toObject();
        // The Windows font description: height (-12 pixels of character height), weight at 16,
        // face name from 28.
        const QByteArray font
                = QByteArray::fromHex(text.value("windowsFont").toString().toLatin1());
        QCOMPARE(font.size(), 60);
        QCOMPARE(qFromLittleEndian<qint32>(font.constData()), -12);
        QCOMPARE(qFromLittleEndian<qint32>(font.constData() + 16), 700);
        QCOMPARE(QByteArray(font.constData() + 28), QByteArray("Liberation Sans"));
    }
};

QTEST_MAIN(TestTagDialogsFlow)
#include "test_tag_dialogs_flow.moc"
