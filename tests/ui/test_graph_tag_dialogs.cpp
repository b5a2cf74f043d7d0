// The property dialogs of the graphs, the clock and the drawn shapes, driven through their
// widgets: changes reach the tag, refused entries show the range message and keep the dialog
// open, Cancel puts every field back, and a change is one undo step.

#include "helpers/ui_fixture.h"

#include "core/model/img_res_mgr.h"
#include "core/model/memory_monitor.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/plc_slots.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/tag_resources.h"
#include "ui/tags/circle_tag_dialog.h"
#include "ui/tags/clock_tag_dialog.h"
#include "ui/tags/graph_tag_dialog.h"
#include "ui/tags/line_tag_dialog.h"
#include "ui/tags/pie_tag_dialog.h"
#include "ui/tags/point_group_box.h"
#include "ui/tags/range_spin_box.h"
#include "ui/tags/rect_tag_dialog.h"
#include "ui/tags/tag_prop_dialogs.h"
#include "ui/undo/change_tags_command.h"

#include "util/message_ids.h"
#include "util/messages.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace ui;

class TestGraphTagDialogs : public QObject
{
    Q_OBJECT

    core::CMemoryMonitor m_monitor;
    core::CStrResMgr m_strings{&m_monitor};
    core::CImgResMgr m_images{&m_monitor};
    core::TagResources m_resources{&m_images, &m_strings, util::kLangKorean, util::kLangKorean};
    core::CPlcSlots m_slots;
    int m_repaints = 0;

    TagDialogContext context()
    {
        TagDialogContext c;
        c.plcSlots = &m_slots;
        c.panelLang = util::kLangKorean;
        c.tagChanged = [this] { ++m_repaints; };
        return c;
    }

    static void show(QDialog &dialog)
    {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
    }
    // Types `text` over the entry's value and confirms it with Enter, which also presses OK.
    static void enter(CRangeSpinBox *entry, const QString &text)
    {
        entry->setFocus();
        entry->selectAll();
        QTest::keyClicks(entry, text);
        QTest::keyClick(entry, Qt::Key_Return);
    }
    // Types `text` and leaves the entry with Tab.
    static void type(CRangeSpinBox *entry, const QString &text)
    {
        entry->setFocus();
        entry->selectAll();
        QTest::keyClicks(entry, text);
        QTest::keyClick(entry, Qt::Key_Tab);
    }
    // Clicks a box or radio on its indicator (the widget may be wider than its text).
    static void click(QAbstractButton *button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    static QString rangeText(int least, int greatest)
    {
        return QString::fromStdString(util::formatMessage(util::msg::kIntegerRange,
                                                          std::to_string(least).c_str(),
                                                          std::to_string(greatest).c_str()));
    }
    // A refusal shows the range message once, the entry shows the tag's value again and the
    // dialog, whose OK the Enter also pressed, stays open.
    static void checkRefused(QDialog &dialog, uitest::MessageRecorder &messages,
                             CRangeSpinBox *entry, int shown, const QString &range)
    {
        QCOMPARE(messages.ids, std::vector<int>{util::msg::kIntegerRange});
        QCOMPARE(messages.texts.front(), range);
        QCOMPARE(entry->value(), shown);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCoreApplication::processEvents();
        messages.ids.clear();
        messages.texts.clear();
    }

private slots:
    void initTestCase()
    {
        uitest::isolateSettings();
        // Channel 1 holds a PLC (device kind 3); channel 2 none.
        m_slots.slot(1).SetType(1);
        m_slots.slot(1).SetStation(3);
    }

    void factoryOpensTheDialogOfEachKind()
    {
        core::CGraphTag bar(core::kTagGraph1), trend(core::kTagGraph2);
        core::CPieTag pie;
        pie.BindResources(m_resources);
        core::CClockTag clock;
        clock.BindResources(m_resources);
        core::CLineTag line;
        line.BindResources(m_resources);
        core::CRectTag rect;
        rect.BindResources(m_resources);
        core::CCircleTag circle;
        circle.BindResources(m_resources);
        const auto opens = [this](core::CTag &tag, const char *className) {
            const auto dialog = makeTagPropDialog(context(), tag, nullptr);
            return dialog && QByteArray(dialog->metaObject()->className()) == className;
        };
        QVERIFY(opens(bar, "ui::CGraphTagDialog"));
        QVERIFY(opens(trend, "ui::CGraphTagDialog"));
        QVERIFY(opens(pie, "ui::CPieTagDialog"));
        QVERIFY(opens(clock, "ui::CClockTagDialog"));
        QVERIFY(opens(line, "ui::CLineTagDialog"));
        QVERIFY(opens(rect, "ui::CRectTagDialog"));
        QVERIFY(opens(circle, "ui::CCircleTagDialog"));

        CGraphTagDialog barDialog(context(), bar);
        CGraphTagDialog trendDialog(context(), trend);
        QVERIFY(barDialog.directionBox() && !barDialog.samplingCountEdit());
        QVERIFY(!trendDialog.directionBox() && trendDialog.samplingTimeEdit()
                && trendDialog.borderBox());
        QVERIFY(barDialog.windowTitle() != trendDialog.windowTitle());
    }

    void barGraphSizeDirectionPointAndCancel()
    {
        uitest::MessageRecorder messages;
        core::CGraphTag bar(core::kTagGraph1);
        bar.MoveTo(10, 5);
        const util::Bytes before = core::CTagPropDlg::Body(bar);
        CGraphTagDialog dialog(context(), bar);
        show(dialog);
        QCOMPARE(dialog.widthEdit()->value(), 16);
        QCOMPARE(dialog.heightEdit()->value(), 48);

        // Left turns the bar: the sides change places in the tag and in the entries.
        dialog.directionBox()->setCurrentIndex(core::kGraphLeft);
        QCOMPARE(bar.Direction(), std::uint16_t(core::kGraphLeft));
        QCOMPARE(bar.Width(), 48);
        QCOMPARE(dialog.widthEdit()->value(), 48);
        QCOMPARE(dialog.heightEdit()->value(), 16);

        enter(dialog.widthEdit(), QStringLiteral("5"));
        checkRefused(dialog, messages, dialog.widthEdit(), 48, rangeText(8, 192));
        QCOMPARE(bar.Width(), 48);
        enter(dialog.heightEdit(), QStringLiteral("65"));
        checkRefused(dialog, messages, dialog.heightEdit(), 16, rangeText(8, 64));

        type(dialog.widthEdit(), QStringLiteral("100"));
        QCOMPARE(bar.Width(), 100);
        click(dialog.pointBox()->channelButton(1));
        QCOMPARE(bar.Point().m_channel, std::uint16_t(1));
        click(dialog.pointBox()->sizeButton(core::kSizeDWord));
        QCOMPARE(bar.Point().m_dataSize, std::uint16_t(core::kSizeDWord));
        dialog.xEdit()->setValue(30);
        QCOMPARE(bar.X(), 30);
        QVERIFY(m_repaints > 0);

        // Cancelled while a size is still being typed: the entry leaving with the window does
        // not bring it back.
        dialog.heightEdit()->setFocus();
        dialog.heightEdit()->selectAll();
        QTest::keyClicks(dialog.heightEdit(), QStringLiteral("30"));

        dialog.reject();
        QCOMPARE(core::CTagPropDlg::Body(bar), before);
        QCOMPARE(bar.Rect(), (core::CRect{10, 5, 26, 53}));
        QVERIFY(messages.ids.empty());
    }

    void trendGraphSamplingAndBorderReachTheTagOnOk()
    {
        uitest::MessageRecorder messages;
        core::CGraphTag trend(core::kTagGraph2);
        CGraphTagDialog dialog(context(), trend);
        show(dialog);
        // One byte of the record carries the count.
        enter(dialog.samplingCountEdit(), QStringLiteral("300"));
        checkRefused(dialog, messages, dialog.samplingCountEdit(), 20, rangeText(2, 255));
        enter(dialog.samplingTimeEdit(), QStringLiteral("0"));
        checkRefused(dialog, messages, dialog.samplingTimeEdit(), 5, rangeText(1, 65535));

        type(dialog.samplingCountEdit(), QStringLiteral("30"));
        dialog.samplingTimeEdit()->setFocus();
        QTest::keyClick(dialog.samplingTimeEdit(), Qt::Key_Up);
        QCOMPARE(trend.SamplingTime(), 6);
        click(dialog.borderBox());
        // Typed but not yet confirmed: OK takes it.
        dialog.heightEdit()->setFocus();
        dialog.heightEdit()->selectAll();
        QTest::keyClicks(dialog.heightEdit(), QStringLiteral("40"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(trend.SamplingCount(), 30);
        QVERIFY(trend.HasBorder());
        QCOMPARE(trend.Height(), 40);
        QVERIFY(messages.ids.empty());
    }

    void pieAnglesModeRadiusAndCancel()
    {
        uitest::MessageRecorder messages;
        core::CPieTag pie;
        pie.BindResources(m_resources);
        const util::Bytes before = core::CTagPropDlg::Body(pie);
        CPieTagDialog dialog(context(), pie);
        show(dialog);
        QCOMPARE(dialog.sweepBox()->currentText(), QStringLiteral("180"));
        dialog.startAngleBox()->setCurrentIndex(1);
        dialog.sweepBox()->setCurrentIndex(7);
        QCOMPARE(pie.StartAngle(), std::uint16_t(45));
        QCOMPARE(pie.Sweep(), std::uint16_t(360));
        click(dialog.modeButton(core::kPieNeedle));
        QCOMPARE(pie.Mode(), std::uint16_t(core::kPieNeedle));
        click(dialog.inverseBox());
        QVERIFY(pie.IsInverse());

        enter(dialog.radiusEdit(), QStringLiteral("65"));
        checkRefused(dialog, messages, dialog.radiusEdit(), 16, rangeText(8, 64));
        type(dialog.radiusEdit(), QStringLiteral("24"));
        QCOMPARE(pie.Radius(), std::uint16_t(24));
        click(dialog.pointBox()->channelButton(1));
        // A limit still being typed is dropped by Cancel too.
        dialog.pointBox()->maxEdit()->setFocus();
        dialog.pointBox()->maxEdit()->selectAll();
        QTest::keyClicks(dialog.pointBox()->maxEdit(), QStringLiteral("100"));

        dialog.reject();
        QCOMPARE(core::CTagPropDlg::Body(pie), before);
    }

    void clockFormatFontLookAndCancel()
    {
        core::CClockTag clock;
        clock.BindResources(m_resources);
        const util::Bytes before = core::CTagPropDlg::Body(clock);
        const core::CRect rect = clock.Rect();
        CClockTagDialog dialog(context(), clock);
        show(dialog);
        QCOMPARE(dialog.formatBox()->count(), core::kClockFormatCount);
        QCOMPARE(dialog.formatBox()->itemText(13), QStringLiteral("WWW"));
        dialog.formatBox()->setCurrentIndex(3);
        QCOMPARE(clock.Format(), std::uint16_t(3));
        QVERIFY(clock.Rect().Width() < rect.Width()); // "HH:MM" is shorter
        click(dialog.fontButton(2));
        QCOMPARE(clock.Font(), std::uint16_t(2));
        click(dialog.borderBox());
        click(dialog.inverseBox());
        QVERIFY(clock.HasBorder() && clock.IsInverse());
        dialog.yEdit()->setValue(40);
        QCOMPARE(clock.Y(), 40);

        dialog.reject();
        QCOMPARE(core::CTagPropDlg::Body(clock), before);
        QCOMPARE(clock.Rect(), rect);
    }

    void linePointsStyleAndCancel()
    {
        uitest::MessageRecorder messages;
        core::CLineTag line;
        line.BindResources(m_resources);
        const util::Bytes before = core::CTagPropDlg::Body(line);
        CLineTagDialog dialog(context(), line);
        show(dialog);
        QVERIFY(!dialog.fillBox());
        QCOMPARE(dialog.lineTypeBox()->count(), 3);
        QCOMPARE(dialog.lineTypeBox()->itemText(0), messageString(util::msg::kGridStyleFirst + 1));

        type(dialog.startXEdit(), QStringLiteral("30"));
        QCOMPARE(line.Start(), (core::CPoint{30, 0}));
        QCOMPARE(line.End(), (core::CPoint{16, 16})); // the other point stays
        enter(dialog.endYEdit(), QStringLiteral("64"));
        checkRefused(dialog, messages, dialog.endYEdit(), 16, rangeText(0, 63));
        dialog.lineTypeBox()->setCurrentIndex(core::kLineDashed);
        dialog.thicknessBox()->setCurrentIndex(dialog.thicknessBox()->findText("3"));
        QCOMPARE(line.LineType(), std::uint16_t(core::kLineDashed));
        QCOMPARE(line.Thickness(), std::uint16_t(3));

        dialog.reject();
        QCOMPARE(core::CTagPropDlg::Body(line), before);
    }

    void rectangleSizeAndFill()
    {
        uitest::MessageRecorder messages;
        core::CRectTag rect;
        rect.BindResources(m_resources);
        rect.SetThickness(12); // beyond the list: shown as its own entry
        const util::Bytes before = core::CTagPropDlg::Body(rect);
        CRectTagDialog dialog(context(), rect);
        show(dialog);
        QCOMPARE(dialog.thicknessBox()->currentText(), QStringLiteral("12"));

        enter(dialog.widthEdit(), QStringLiteral("0"));
        checkRefused(dialog, messages, dialog.widthEdit(), 16, rangeText(1, 192));
        type(dialog.widthEdit(), QStringLiteral("120"));
        type(dialog.heightEdit(), QStringLiteral("64"));
        click(dialog.fillBox());
        dialog.thicknessBox()->setCurrentIndex(0);
        QCOMPARE(rect.Rect(), (core::CRect{0, 0, 120, 64}));
        QVERIFY(rect.IsFilled());
        QCOMPARE(rect.Thickness(), std::uint16_t(1));

        dialog.reject();
        QCOMPARE(core::CTagPropDlg::Body(rect), before);
    }

    void circleChangeIsOneUndoStep()
    {
        uitest::MessageRecorder messages;
        core::CCircleTag circle;
        circle.BindResources(m_resources);
        const auto before = CChangeTagsCommand::snapshot({&circle});
        CCircleTagDialog dialog(context(), circle);
        show(dialog);
        enter(dialog.radiusEdit(), QStringLiteral("33"));
        checkRefused(dialog, messages, dialog.radiusEdit(), 8, rangeText(1, 32));
        type(dialog.radiusEdit(), QStringLiteral("20"));
        click(dialog.fillBox());
        dialog.lineTypeBox()->setCurrentIndex(core::kLineDotted);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(circle.Radius(), std::uint16_t(20));
        const util::Bytes after = core::CTagPropDlg::Body(circle);

        CChangeTagsCommand command({&circle}, before, QStringLiteral("properties"));
        QVERIFY(!command.isEmpty());
        command.undo();
        QCOMPARE(core::CTagPropDlg::Body(circle), before.front());
        QCOMPARE(circle.Radius(), std::uint16_t(8));
        QVERIFY(!circle.IsFilled());
        command.redo();
        QCOMPARE(core::CTagPropDlg::Body(circle), after);
        QCOMPARE(circle.Rect(), (core::CRect{0, 0, 40, 40}));
    }
};

QTEST_MAIN(TestGraphTagDialogs)
#include "test_graph_tag_dialogs.moc"
