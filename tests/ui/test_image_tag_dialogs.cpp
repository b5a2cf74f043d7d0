// The property dialogs of the image tags (lamp, button, image, rotation, moving) driven through
// their widgets: changes reach the tag and the canvas hook, refusals keep the dialog open with
// their message, Cancel restores the tag exactly, and OK's result is one undo step.

#include "helpers/ui_fixture.h"

#include "core/model/img_res_mgr.h"
#include "core/tags/tag_resources.h"
#include "ui/tags/bitmap_tag_dialog.h"
#include "ui/tags/button_tag_dialog.h"
#include "ui/tags/lamp_tag_dialog.h"
#include "ui/tags/mobile_tag_dialog.h"
#include "ui/tags/motor_tag_dialog.h"
#include "ui/tags/point_group_box.h"
#include "ui/tags/tag_image_box.h"
#include "ui/tags/tag_prop_dialogs.h"
#include "ui/undo/change_tags_command.h"

#include "util/message_ids.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <memory>

using namespace ui;
using Body = util::Bytes;

class TestImageTagDialogs : public QObject
{
    Q_OBJECT

    // A library image of w x h pixels: a black frame on white.
    void library(int number, int w, int h)
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.setPen(Qt::black);
        p.drawRect(0, 0, w - 1, h - 1);
        p.end();
        QVERIFY(img.save(m_dir->filePath(QStringLiteral("%1.bmp").arg(number)), "BMP"));
    }
    // Leaves less than one 192 x 64 image's room in the image area.
    void fillImageArea()
    {
        for (std::uint32_t id = 100;
             m_images->UsedBytes() + core::imageCost(192, 64) <= m_images->kAreaSize; ++id) {
            auto image = std::make_unique<core::CIndexedImage>();
            image->m_id = id;
            image->m_bitmap = util::CMonoBitmap(192, 64);
            QCOMPARE(m_images->Add(std::move(image)), 0);
        }
    }
    TagDialogContext context()
    {
        TagDialogContext c;
        c.plcSlots = &m_slots;
        c.images = m_images.get();
        c.chooseImage = [this](QWidget *, std::uint16_t current) -> std::optional<std::uint16_t> {
            m_offered.push_back(current);
            if (m_picks.empty())
                return std::nullopt;
            const std::uint16_t pick = m_picks.front();
            m_picks.pop_front();
            return pick;
        };
        c.editAddress = [this](QWidget *, int, std::int32_t, bool mustWrite, std::string &area,
                               std::string &number) {
            m_mustWrite = mustWrite;
            area = m_area;
            number = m_number;
            return true;
        };
        c.tagChanged = [this] { ++m_repaints; };
        return c;
    }
    static void typeInto(QWidget *edit, const QString &text)
    {
        edit->setFocus();
        if (auto *line = qobject_cast<QLineEdit *>(edit))
            line->selectAll();
        if (auto *spin = qobject_cast<QAbstractSpinBox *>(edit))
            spin->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab); // leaving the edit finishes the entry
    }
    // On the indicator: a radio button stretched by its layout takes clicks only on its
    // indicator and text.
    static void clickRadio(QAbstractButton *radio)
    {
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    }

private slots:
    void initTestCase()
    {
        uitest::isolateSettings();
        QVERIFY(m_slots.slot(1).LoadDriver(DORVANE_RUNTIME_DIR "/Protocols",
                                           "libvelmar_modbus.so"));
        m_slots.slot(1).SetType(0x0001);
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_images = std::make_unique<core::CImgResMgr>();
        m_images->SetImagesDir(m_dir->path().toStdString());
        m_resources.images = m_images.get();
        for (int n : {1000, 1001, 1002, 1003, 3000, 3001, 3002, 3003, 4000})
            library(n, 16, 16);
        library(1500, 24, 16);
        library(1900, 192, 64);
        m_picks.clear();
        m_offered.clear();
        m_repaints = 0;
    }

    void cleanup()
    {
        m_resources.images = nullptr;
        m_images.reset();
        m_dir.reset();
    }

    void buttonChangesReachTheTagAndCancelRestoresThem()
    {
        core::CButtonTag tag;
        tag.BindResources(m_resources);
        const Body before = core::CTagPropDlg::Body(tag);
        auto dialog = makeTagPropDialog(context(), tag, nullptr);
        auto *d = qobject_cast<CButtonTagDialog *>(dialog.get());
        QVERIFY(d);
        d->show();
        QCOMPARE(d->windowTitle(), CButtonTagDialog::tr("버튼 속성"));
        QVERIFY(d->offImageBox()->hasPicture());
        QVERIFY(d->offImageBox()->toolTip().contains(QStringLiteral("1002")));

        clickRadio(d->pointBox()->channelButton(1));
        clickRadio(d->onValueButton(0));
        clickRadio(d->actionButton(core::kButtonToggle));
        d->passwordBox()->click();
        d->enlargeBox()->click();
        d->xEdit()->setValue(50);
        m_picks = {1500, 1600};
        QTest::mouseClick(d->offImageBox(), Qt::LeftButton);
        QTest::mouseClick(d->onImageBox(), Qt::LeftButton);

        QCOMPARE(tag.Point().m_channel, std::uint16_t(1));
        QCOMPARE(tag.OnValue(), std::uint16_t(0));
        QCOMPARE(tag.Action(), std::uint16_t(core::kButtonToggle));
        QVERIFY(tag.UsesPassword());
        QCOMPARE(tag.Magnification(), std::uint16_t(2));
        QCOMPARE(tag.X(), 50);
        QCOMPARE(m_offered, (std::vector<std::uint16_t>{1002, 1003}));
        QCOMPARE(tag.OffImage(), std::uint16_t(1500));
        QCOMPARE(tag.Rect().Width(), 48); // 24 pixels, enlarged
        QVERIFY(d->offImageBox()->hasPicture());
        QCOMPARE(tag.OnImage(), std::uint16_t(1600));
        QCOMPARE(d->onImageBox()->text(), QStringLiteral("No\nBmp")); // no such library file
        QVERIFY(d->onImageBox()->accessibleName().contains(QStringLiteral("1600")));
        QVERIFY(m_repaints >= 8);

        d->reject();
        QCOMPARE(core::CTagPropDlg::Body(tag), before);
        QCOMPARE(tag.Rect().Width(), 16);
    }

    void refusedAddressKeepsTheDialogOpenAndOkIsOneUndoStep()
    {
        core::CButtonTag tag;
        tag.BindResources(m_resources);
        const auto before = CChangeTagsCommand::snapshot({&tag});
        CButtonTagDialog d(context(), tag);
        d.show();
        clickRadio(d.pointBox()->channelButton(1));
        const std::string goodArea = tag.Point().m_address;
        const std::string goodNumber = tag.Point().m_second;
        m_area = "ZZ";
        m_number = "1";
        QTest::mouseClick(d.pointBox()->addressButton(), Qt::LeftButton);
        QVERIFY(m_mustWrite); // the panel writes a button's bit
        {
            uitest::MessageRecorder messages;
            d.accept();
            QVERIFY(d.isVisible());
            QCOMPARE(messages.ids, std::vector<int>{util::msg::kBadAddress});
        }
        m_area = goodArea;
        m_number = goodNumber;
        QTest::mouseClick(d.pointBox()->addressButton(), Qt::LeftButton);
        clickRadio(d.actionButton(core::kButtonOn));
        d.accept();
        QCOMPARE(d.result(), int(QDialog::Accepted));

        const Body after = core::CTagPropDlg::Body(tag);
        CChangeTagsCommand command({&tag}, before, d.windowTitle());
        QVERIFY(!command.isEmpty());
        command.undo();
        QCOMPARE(core::CTagPropDlg::Body(tag), before.front());
        command.redo();
        QCOMPARE(core::CTagPropDlg::Body(tag), after);
        QCOMPARE(tag.Action(), std::uint16_t(core::kButtonOn));
    }

    void lampRefusesAnImageTheAreaHasNoRoomFor()
    {
        core::CLampTag tag;
        tag.BindResources(m_resources);
        const Body before = core::CTagPropDlg::Body(tag);
        CLampTagDialog d(context(), tag);
        d.show();
        QCOMPARE(d.windowTitle(), CLampTagDialog::tr("램프 속성"));
        QTest::mouseClick(d.pointBox()->addressButton(), Qt::LeftButton);
        QVERIFY(!m_mustWrite);
        fillImageArea();
        m_picks = {1900};
        {
            uitest::MessageRecorder messages;
            QTest::mouseClick(d.onImageBox(), Qt::LeftButton);
            QCOMPARE(messages.ids, std::vector<int>{util::msg::kMemoryFull});
        }
        QCOMPARE(tag.OnImage(), std::uint16_t(1001));
        QVERIFY(d.onImageBox()->toolTip().contains(QStringLiteral("1001")));
        QVERIFY(!m_images->Find(1900));
        // Nothing chosen (Cancel or no image) leaves the image as it is.
        m_picks = {65535};
        QTest::mouseClick(d.offImageBox(), Qt::LeftButton);
        QTest::mouseClick(d.offImageBox(), Qt::LeftButton);
        QCOMPARE(tag.OffImage(), std::uint16_t(1000));
        QCOMPARE(m_offered.size(), std::size_t(3));

        clickRadio(d.onValueButton(0));
        d.reject();
        QCOMPARE(core::CTagPropDlg::Body(tag), before);
    }

    void imageTagShowsTheChosenImage()
    {
        core::CBitmapTag tag;
        tag.BindResources(m_resources);
        const Body before = core::CTagPropDlg::Body(tag);
        auto dialog = makeTagPropDialog(context(), tag, nullptr);
        auto *d = qobject_cast<CBitmapTagDialog *>(dialog.get());
        QVERIFY(d);
        QCOMPARE(d->idEdit()->text(), QString());
        m_picks = {1500};
        QTest::mouseClick(d->changeButton(), Qt::LeftButton);
        QCOMPARE(tag.Image(), std::uint16_t(1500));
        QCOMPARE(d->idEdit()->text(), QStringLiteral("1500"));
        QCOMPARE(d->sizeEdit()->text(), QStringLiteral("( 24 x 16 )"));
        d->enlargeBox()->click();
        d->inverseBox()->click();
        d->yEdit()->setValue(20);
        QCOMPARE(tag.Rect().Width(), 48);
        QVERIFY(tag.IsInverse());

        fillImageArea();
        m_picks = {1900};
        {
            uitest::MessageRecorder messages;
            QTest::mouseClick(d->changeButton(), Qt::LeftButton);
            QCOMPARE(messages.ids, std::vector<int>{util::msg::kMemoryFull});
        }
        QCOMPARE(d->idEdit()->text(), QStringLiteral("1500"));
        d->reject();
        QCOMPARE(core::CTagPropDlg::Body(tag), before);
    }

    void rotationOffersOnlyTheCountedImages()
    {
        core::CMotorTag tag;
        tag.BindResources(m_resources);
        const Body before = core::CTagPropDlg::Body(tag);
        auto dialog = makeTagPropDialog(context(), tag, nullptr);
        auto *d = qobject_cast<CMotorTagDialog *>(dialog.get());
        QVERIFY(d);
        d->show();
        QApplication::setActiveWindow(d);
        QCOMPARE(d->countBox()->currentText(), QStringLiteral("4"));
        QVERIFY(d->imageBox(3)->isEnabled());
        QVERIFY(!d->imageBox(4)->isEnabled());

        d->countBox()->setCurrentIndex(d->countBox()->findText(QStringLiteral("2")));
        QCOMPARE(tag.ImageCount(), std::uint16_t(2));
        QVERIFY(!d->imageBox(2)->isEnabled());
        QCOMPARE(tag.Images()[2], std::uint16_t(0xFFFF));
        QCOMPARE(d->imageBox(2)->text(), QStringLiteral("No\nBmp"));
        m_picks = {1500};
        QTest::mouseClick(d->imageBox(1), Qt::LeftButton);
        QCOMPARE(tag.Images()[1], std::uint16_t(1500));
        d->directionBox()->setCurrentIndex(1);
        QCOMPARE(tag.Direction(), std::uint16_t(core::kCounterClockwise));
        d->inverseBox()->click();
        QVERIFY(tag.IsInverse());

        {
            uitest::MessageRecorder messages;
            typeInto(d->maxRpmEdit(), QStringLiteral("70000")); // beyond an unsigned word
            QCOMPARE(messages.ids.size(), std::size_t(1));
        }
        QCOMPARE(d->maxRpmEdit()->text(), QStringLiteral("65535"));
        QTRY_VERIFY(d->maxRpmEdit()->hasFocus());
        typeInto(d->maxRpmEdit(), QStringLiteral("1200"));
        QCOMPARE(tag.Point().m_max, 1200u);
        clickRadio(d->pointBox()->sizeButton(core::kSizeDWord));
        QCOMPARE(tag.Point().m_dataSize, std::uint16_t(core::kSizeDWord));
        QCOMPARE(d->maxRpmEdit()->text(), QString::fromStdString(tag.Point().MaxText()));

        d->reject();
        QCOMPARE(core::CTagPropDlg::Body(tag), before);
    }

    void movingRangeRefusalsAndAxes()
    {
        core::CMobileTag tag;
        tag.BindResources(m_resources);
        const Body before = core::CTagPropDlg::Body(tag);
        auto dialog = makeTagPropDialog(context(), tag, nullptr);
        auto *d = qobject_cast<CMobileTagDialog *>(dialog.get());
        QVERIFY(d);
        d->show();
        QApplication::setActiveWindow(d);
        {
            uitest::MessageRecorder messages;
            typeInto(d->widthEdit(), QStringLiteral("0")); // moving along x: at least 1
            QCOMPARE(messages.ids.size(), std::size_t(1));
        }
        QCOMPARE(tag.Width(), 32);
        QCOMPARE(d->widthEdit()->value(), 32);
        typeInto(d->heightEdit(), QStringLiteral("20"));
        QCOMPARE(tag.Height(), 20);

        d->moveXBox()->click();
        QVERIFY(!tag.MovesX());
        QCOMPARE(d->widthEdit()->value(), 0);
        d->borderBox()->click();
        QVERIFY(!tag.HasBorder());
        m_picks = {1500};
        QTest::mouseClick(d->imageBox(), Qt::LeftButton);
        QCOMPARE(tag.Image(), std::uint16_t(1500));
        QCOMPARE(tag.Rect().Width(), 24);
        clickRadio(d->yPointBox()->sizeButton(core::kSizeDWord));
        QCOMPARE(tag.YPoint().m_dataSize, std::uint16_t(core::kSizeDWord));
        QCOMPARE(tag.XPoint().m_dataSize, std::uint16_t(core::kSizeWord));
        d->xPointBox()->signedBox()->click();
        QVERIFY(tag.XPoint().m_signed != 0);

        d->reject();
        QCOMPARE(core::CTagPropDlg::Body(tag), before);
    }

private:
    core::CPlcSlots m_slots;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<core::CImgResMgr> m_images;
    core::TagResources m_resources; // the project of the test's tags
    std::deque<std::uint16_t> m_picks;
    std::vector<std::uint16_t> m_offered;
    std::string m_area;
    std::string m_number;
    bool m_mustWrite = false;
    int m_repaints = 0;
};

QTEST_MAIN(TestImageTagDialogs)
#include "test_image_tag_dialogs.moc"
