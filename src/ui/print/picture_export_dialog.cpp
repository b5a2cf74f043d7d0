#include "ui/print/picture_export_dialog.h"

#include "ui/print/screen_scope_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace ui {

CPictureExportDialog::CPictureExportDialog(const core::CPlcSlots &plcSlots,
                                           std::vector<std::uint16_t> screens, int current,
                                           QWidget *parent)
    : CPresenterDialog(parent)
    , m_presenter(core::FunctionEnv{plcSlots, prompt()}, std::move(screens), current)
{
    setWindowTitle(tr("그림으로 내보내기"));
    m_scope = new CScreenScopeBox(m_presenter.ScreenScope(), this);
    connect(m_scope, &CScreenScopeBox::changed, this, [this] { refreshView(); });

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

    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(browse);

    auto *form = new QFormLayout;
    form->addRow(tr("화면:"), m_scope);
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
    m_scope->refresh();
    m_format->setCurrentIndex(m_presenter.GetFormat());
    m_bare->setChecked(m_presenter.Bare());
    m_scale->setValue(m_presenter.Scale());
    m_folder->setText(QString::fromStdString(m_presenter.Folder()));
}

QLineEdit *CPictureExportDialog::listEdit() const
{
    return m_scope->listEdit();
}

bool CPictureExportDialog::acceptChanges()
{
    m_scope->commitList();
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
