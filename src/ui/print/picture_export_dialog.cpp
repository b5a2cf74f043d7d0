#include "ui/print/picture_export_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ui {

CPictureExportDialog::CPictureExportDialog(const core::CPlcSlots &plcSlots,
                                           std::vector<std::uint16_t> screens, int current,
                                           QWidget *parent)
    : CPresenterDialog(parent)
    , m_presenter(core::FunctionEnv{plcSlots, prompt()}, std::move(screens), current)
{
    setWindowTitle(tr("그림으로 내보내기"));
    m_current = new QRadioButton(tr("현재 화면(&C)"), this);
    m_current->setEnabled(m_presenter.HasCurrent());
    m_all = new QRadioButton(tr("모든 화면(&A)"), this);
    m_chosen = new QRadioButton(tr("화면 번호(&N):"), this);
    m_list = new QLineEdit(this);
    m_list->setObjectName(QStringLiteral("screenList"));
    m_list->setPlaceholderText(QStringLiteral("0,2-5"));
    m_list->setAccessibleName(tr("화면 번호"));
    m_scope = new QButtonGroup(this);
    m_scope->addButton(m_current, core::CPictureExportDlg::kCurrent);
    m_scope->addButton(m_all, core::CPictureExportDlg::kAll);
    m_scope->addButton(m_chosen, core::CPictureExportDlg::kList);
    connect(m_scope, &QButtonGroup::idClicked, this, [this](int id) {
        forward([&] { m_presenter.SetScope(core::CPictureExportDlg::Scope(id)); });
    });
    connect(m_list, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (!refreshing())
            m_presenter.SetListText(text.toStdString());
    });

    m_format = new QComboBox(this);
    m_format->addItems({QStringLiteral("PNG"), QStringLiteral("SVG")});
    connect(m_format, &QComboBox::currentIndexChanged, this, [this](int index) {
        forward([&] { m_presenter.SetFormat(core::CPictureExportDlg::Format(index)); });
    });
    m_bare = new QCheckBox(tr("표시부만 흑백으로(&B)"), this);
    connect(m_bare, &QCheckBox::toggled, this,
            [this](bool on) { forward([&] { m_presenter.SetBare(on); }); });
    m_scale = new QSpinBox(this);
    m_scale->setRange(core::CPictureExportDlg::kMinScale, core::CPictureExportDlg::kMaxScale);
    m_scale->setSuffix(QStringLiteral(" x"));
    connect(m_scale, &QSpinBox::valueChanged, this,
            [this](int value) { forward([&] { m_presenter.SetScale(value); }); });
    m_folder = new QLineEdit(this);
    m_folder->setObjectName(QStringLiteral("folder"));
    connect(m_folder, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (!refreshing())
            m_presenter.SetFolder(text.toStdString());
    });
    auto *browse = new QPushButton(tr("찾아보기(&R)..."), this);
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &CPictureExportDialog::browse);

    auto *scopeBox = new QVBoxLayout;
    scopeBox->addWidget(m_current);
    scopeBox->addWidget(m_all);
    auto *listRow = new QHBoxLayout;
    listRow->addWidget(m_chosen);
    listRow->addWidget(m_list, 1);
    scopeBox->addLayout(listRow);
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(browse);

    auto *form = new QFormLayout;
    form->addRow(tr("화면:"), scopeBox);
    form->addRow(tr("형식(&F):"), m_format);
    form->addRow(QString(), m_bare);
    form->addRow(tr("배율(&S):"), m_scale);
    form->addRow(tr("폴더(&D):"), folderRow);
    for (QWidget *w : {static_cast<QWidget *>(m_format), static_cast<QWidget *>(m_scale),
                       static_cast<QWidget *>(m_folder)})
        if (auto *label = qobject_cast<QLabel *>(form->labelForField(w)))
            label->setBuddy(w);
    if (auto *label = qobject_cast<QLabel *>(form->labelForField(folderRow)))
        label->setBuddy(m_folder);
    setContent(form);
    refreshView();
}

void CPictureExportDialog::refresh()
{
    m_scope->button(m_presenter.GetScope())->setChecked(true);
    m_list->setEnabled(m_presenter.GetScope() == core::CPictureExportDlg::kList);
    m_list->setText(QString::fromStdString(m_presenter.ListText()));
    m_format->setCurrentIndex(m_presenter.GetFormat());
    m_bare->setChecked(m_presenter.Bare());
    m_scale->setValue(m_presenter.Scale());
    m_folder->setText(QString::fromStdString(m_presenter.Folder()));
}

bool CPictureExportDialog::acceptChanges()
{
    m_presenter.SetListText(m_list->text().toStdString());
    m_presenter.SetFolder(m_folder->text().toStdString());
    return m_presenter.Ok();
}

void CPictureExportDialog::browse()
{
    const QString dir = QFileDialog::getExistingDirectory(this, tr("폴더 선택"), m_folder->text());
    if (dir.isEmpty())
        return;
    forward([&] { m_presenter.SetFolder(dir.toStdString()); });
}

} // namespace ui
