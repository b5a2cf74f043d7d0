#include "ui/dialogs/img_viewer_dialog.h"

#include "ui/common/message_box.h"
#include "ui/dialogs/image_lib_cell.h"
#include "ui/dialogs/mono_image.h"

#include "core/model/img_res_mgr.h"

#include "util/message_ids.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ui {

CImgViewerDialog::CImgViewerDialog(const core::FunctionEnv &env, const core::CImgResMgr &images,
                                   const std::vector<std::unique_ptr<core::CScreenData>> &screens,
                                   std::function<void()> removeUnused, QWidget *parent)
    : CPresenterDialog(parent)
    , m_env(env)
    , m_images(images)
    , m_screens(screens)
    , m_presenter(std::make_unique<core::CImgViewerDlg>(env, images, screens))
    , m_removeUnused(std::move(removeUnused))
{
    setWindowTitle(tr("등록된 이미지"));
    build();
    refreshView();
}

void CImgViewerDialog::build()
{
    auto *grid = new QGridLayout;
    for (int i = 0; i < core::CImgViewerDlg::kCells; ++i) {
        auto *cell = new CImageLibCell(i, this);
        m_cells[std::size_t(i)] = cell;
        grid->addWidget(cell, i / core::CImgViewerDlg::kColumns, i % core::CImgViewerDlg::kColumns);
        connect(cell, &CImageLibCell::clicked, this,
                [this](int index) { forward([&] { m_presenter->Click(index); }); });
    }
    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setPageStep(core::CImgViewerDlg::kPage);
    m_scroll->setAccessibleName(windowTitle());
    grid->addWidget(m_scroll, 0, core::CImgViewerDlg::kColumns, 2, 1);
    connect(m_scroll, &QScrollBar::valueChanged, this,
            [this](int row) { forward([&] { m_presenter->SetPosition(row); }); });

    auto *info = new QGroupBox(tr("선택된 이미지 정보"), this);
    auto *form = new QFormLayout(info);
    m_width = new QLabel(info);
    m_height = new QLabel(info);
    m_library = new QLabel(info);
    m_id = new QLabel(info);
    form->addRow(tr("폭:"), m_width);
    form->addRow(tr("높이:"), m_height);
    form->addRow(tr("라이브러리:"), m_library);
    form->addRow(tr("ID:"), m_id);

    m_references = new QTreeWidget(this);
    m_references->setRootIsDecorated(false);
    m_references->setSelectionBehavior(QAbstractItemView::SelectRows);
    const auto columns = core::CImgViewerDlg::ReferenceColumns();
    QStringList headers;
    for (const auto &title : columns)
        headers << QString::fromStdString(title);
    m_references->setHeaderLabels(headers);
    const int widths[] = {40, 95, 130};
    for (int c = 0; c < 3 && c < headers.size(); ++c)
        m_references->setColumnWidth(c, widths[c]);
    auto *referencesLabel = new QLabel(tr("참조 화면 리스트:"), this);
    referencesLabel->setBuddy(m_references);

    m_removeButton = new QPushButton(tr("사용하지 않는 이미지 삭제"), this);
    m_removeButton->setEnabled(bool(m_removeUnused));
    connect(m_removeButton, &QPushButton::clicked, this, &CImgViewerDialog::removeUnused);

    auto *side = new QVBoxLayout;
    side->addWidget(info);
    side->addWidget(referencesLabel);
    side->addWidget(m_references, 1);
    side->addWidget(m_removeButton);
    auto *content = new QHBoxLayout;
    content->addLayout(grid);
    content->addLayout(side);
    setContent(content);
    // Both buttons only close the window.
    buttonBox()->setStandardButtons(QDialogButtonBox::Close);
    connect(buttonBox(), &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CImgViewerDialog::removeUnused()
{
    if (!m_removeUnused)
        return;
    m_removeUnused();
    // The selected image may be gone: start again over the remaining table.
    m_presenter = std::make_unique<core::CImgViewerDlg>(m_env, m_images, m_screens);
    refreshView();
}

void CImgViewerDialog::refresh()
{
    const auto &p = *m_presenter;
    m_scroll->setRange(0, int(p.ScrollMax()));
    m_scroll->setValue(int(p.Position()));
    const auto cells = p.Cells();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const auto &c = cells[i];
        const util::CMonoBitmap *bitmap = c.shown ? m_images.Bitmap(c.id) : nullptr;
        if (c.shown)
            m_cells[i]->setContent(bitmap ? monoBitmapImage(*bitmap) : QImage(),
                                   QString::number(c.id), c.selected);
        else
            m_cells[i]->setContent({}, {}, false);
    }
    const auto &info = p.Selected();
    m_width->setText(QString::fromStdString(info.width));
    m_height->setText(QString::fromStdString(info.height));
    m_library->setText(QString::fromStdString(info.library));
    m_id->setText(QString::fromStdString(info.libraryId));
    m_references->clear();
    for (const auto &ref : info.references)
        m_references->addTopLevelItem(new QTreeWidgetItem({QString::fromStdString(ref.number),
                                                           QString::fromStdString(ref.name),
                                                           QString::fromStdString(ref.count)}));
}

} // namespace ui
