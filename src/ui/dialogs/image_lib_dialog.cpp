#include "ui/dialogs/image_lib_dialog.h"

#include "ui/dialogs/image_lib_add_dialog.h"
#include "ui/dialogs/image_lib_cell.h"
#include "ui/dialogs/mono_image.h"

#include "util/bmp_file.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace ui {

namespace {

using Scroll = core::CImageLibDlg::Scroll;

LibraryImageChooser &libraryChooser()
{
    static LibraryImageChooser chooser;
    return chooser;
}

QImage libraryImage(const std::string &path)
{
    // A missing or unreadable file is an empty cell, without a message.
    const util::BmpReadResult bmp = util::readBmpFile(path);
    return bmp.ok ? monoBitmapImage(bmp.bitmap) : QImage();
}

} // namespace

CImageLibDialog::CImageLibDialog(const core::FunctionEnv &env, const std::string &imagesDir,
                                 std::uint16_t number, QWidget *parent)
    : CPresenterDialog(parent)
    , m_presenter(core::FunctionEnv{env.plcSlots, prompt(), env.panelLang}, imagesDir)
{
    setWindowTitle(tr("이미지 라이브러리"));
    m_presenter.Open(number);
    build();
    refreshView();
}

void CImageLibDialog::build()
{
    m_category = new QComboBox(this);
    for (const std::string &name : core::CImageLibDlg::CategoryNames())
        m_category->addItem(QString::fromStdString(name));
    auto *categoryLabel = new QLabel(tr("라이브러리 선택 :"), this);
    categoryLabel->setBuddy(m_category);
    auto *top = new QHBoxLayout;
    top->addWidget(categoryLabel);
    top->addWidget(m_category, 1);

    auto *grid = new QGridLayout;
    grid->setSpacing(4);
    for (int i = 0; i < core::CImageLibDlg::kCells; ++i) {
        auto *cell = new CImageLibCell(i, this);
        m_cells[std::size_t(i)] = cell;
        grid->addWidget(cell, i / core::CImageLibDlg::kColumns, i % core::CImageLibDlg::kColumns);
        connect(cell, &CImageLibCell::clicked, this,
                [this](int index) { forward([&] { m_presenter.Click(index); }); });
        connect(cell, &CImageLibCell::doubleClicked, this, [this](int index) {
            forward([&] { m_presenter.DoubleClick(index); });
            accept();
        });
    }
    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setPageStep(core::CImageLibDlg::kPage);
    m_scroll->setAccessibleName(tr("이미지 라이브러리"));
    grid->addWidget(m_scroll, 0, core::CImageLibDlg::kColumns, 2, 1);

    m_add = new QPushButton(tr("이미지 추가"), this);
    m_delete = new QPushButton(tr("이미지 삭제"), this);
    m_add->setAutoDefault(false);
    m_delete->setAutoDefault(false);
    auto *commands = new QHBoxLayout;
    commands->addWidget(m_add);
    commands->addWidget(m_delete);
    commands->addStretch(1);

    auto *layout = new QVBoxLayout;
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addLayout(commands);
    setContent(layout);

    QWidget *previous = m_category;
    for (CImageLibCell *cell : m_cells) {
        setTabOrder(previous, cell);
        previous = cell;
    }
    setTabOrder(previous, m_add);
    setTabOrder(m_add, m_delete);

    connect(m_category, &QComboBox::currentIndexChanged, this,
            [this](int i) { forward([&] { m_presenter.SetCategory(i); }); });
    connect(m_scroll, &QScrollBar::actionTriggered, this, &CImageLibDialog::scrollAction);
    // A position set from outside (the thumb moved by the program) counts as the thumb.
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int row) {
        if (std::uint32_t(row) != m_presenter.Row())
            forward([&] { m_presenter.OnScroll(Scroll::Thumb, std::uint32_t(row)); });
    });
    connect(m_add, &QPushButton::clicked, this, &CImageLibDialog::addImage);
    connect(m_delete, &QPushButton::clicked, this, &CImageLibDialog::deleteImage);
    // Delete works anywhere in the dialog.
    auto *del = new QShortcut(QKeySequence::Delete, this);
    connect(del, &QShortcut::activated, this, &CImageLibDialog::deleteImage);
}

void CImageLibDialog::scrollAction(int action)
{
    Scroll scroll = Scroll::Thumb;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        scroll = Scroll::LineUp;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        scroll = Scroll::LineDown;
        break;
    case QAbstractSlider::SliderPageStepSub:
        scroll = Scroll::PageUp;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        scroll = Scroll::PageDown;
        break;
    case QAbstractSlider::SliderToMinimum:
        scroll = Scroll::Top;
        break;
    case QAbstractSlider::SliderToMaximum:
        scroll = Scroll::Bottom;
        break;
    case QAbstractSlider::SliderMove:
        break;
    default:
        return;
    }
    // The slider has moved already; the presenter decides where the rows are.
    forward([&] {
        m_presenter.OnScroll(scroll, std::uint32_t(std::max(0, m_scroll->sliderPosition())));
    });
}

void CImageLibDialog::refresh()
{
    m_category->setCurrentIndex(m_presenter.Category());
    m_scroll->setRange(0, int(m_presenter.ScrollMax()));
    m_scroll->setValue(int(m_presenter.Row()));
    const auto cells = m_presenter.Cells();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const auto &c = cells[i];
        if (c.shown)
            m_cells[i]->setContent(libraryImage(c.path), QString::number(c.index), c.selected);
        else
            m_cells[i]->setContent({}, {}, false);
    }
}

void CImageLibDialog::addImage()
{
    CImageLibAddDialog add(m_presenter, this);
    if (add.exec() == QDialog::Accepted)
        m_presenter.AddFinished(add.presenter());
    // The file may have been replaced under a shown cell.
    refreshView();
}

void CImageLibDialog::deleteImage()
{
    forward([&] { m_presenter.DeleteSelected(); });
}

void CImageLibDialog::focusSelectedCell()
{
    const int selected = m_presenter.SelectedIndex();
    const int cell = selected >= 0 ? m_presenter.CellOf(std::uint32_t(selected)) : -1;
    if (cell >= 0)
        m_cells[std::size_t(cell)]->setFocus(Qt::OtherFocusReason);
}

void CImageLibDialog::keyPressEvent(QKeyEvent *event)
{
    const bool onCell = qobject_cast<CImageLibCell *>(focusWidget()) != nullptr;
    int delta = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        delta = -1;
        break;
    case Qt::Key_Right:
        delta = 1;
        break;
    case Qt::Key_Up:
        delta = -core::CImageLibDlg::kColumns;
        break;
    case Qt::Key_Down:
        delta = core::CImageLibDlg::kColumns;
        break;
    default:
        break;
    }
    if (!onCell || delta == 0 || event->modifiers() != Qt::NoModifier) {
        CPresenterDialog::keyPressEvent(event);
        return;
    }
    forward([&] { m_presenter.Step(delta); });
    focusSelectedCell();
}

void CImageLibDialog::wheelEvent(QWheelEvent *event)
{
    // One row per notch; finer wheels add up.
    m_wheel += event->angleDelta().y();
    while (m_wheel >= QWheelEvent::DefaultDeltasPerStep) {
        m_wheel -= QWheelEvent::DefaultDeltasPerStep;
        forward([&] { m_presenter.OnScroll(Scroll::LineUp); });
    }
    while (m_wheel <= -QWheelEvent::DefaultDeltasPerStep) {
        m_wheel += QWheelEvent::DefaultDeltasPerStep;
        forward([&] { m_presenter.OnScroll(Scroll::LineDown); });
    }
    event->accept();
}

std::optional<std::uint16_t> chooseLibraryImage(QWidget *parent, const core::FunctionEnv &env,
                                                const std::string &imagesDir, std::uint16_t current)
{
    if (const auto &chooser = libraryChooser())
        return chooser(parent, env, imagesDir, current);
    CImageLibDialog dialog(env, imagesDir, current, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenNumber();
}

void setLibraryImageChooser(LibraryImageChooser chooser)
{
    libraryChooser() = std::move(chooser);
}

} // namespace ui
