#include "ui/print/report_setup_dialog.h"

#include "ui/print/screen_scope_box.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

namespace ui {

CReportSetupDialog::CReportSetupDialog(const core::CPlcSlots &plcSlots,
                                       std::vector<std::uint16_t> screens, int current,
                                       QWidget *parent)
    : CPresenterDialog(parent)
    , m_presenter(core::FunctionEnv{plcSlots, prompt()}, std::move(screens), current)
{
    setWindowTitle(tr("보고서 설정"));
    m_scope = new CScreenScopeBox(m_presenter.Scope(), this);
    connect(m_scope, &CScreenScopeBox::changed, this, [this] { refreshView(); });
    m_width = new QSpinBox(this);
    m_width->setObjectName(QStringLiteral("pictureWidth"));
    m_width->setRange(core::CReportSetupDlg::kMinPictureWidth,
                      core::CReportSetupDlg::kMaxPictureWidth);
    m_width->setSingleStep(5);
    m_width->setSuffix(QStringLiteral(" %"));
    m_width->setToolTip(tr("화면 그림이 차지하는 인쇄 폭의 비율"));
    connect(m_width, &QSpinBox::valueChanged, this,
            [this](int value) { forward([&] { m_presenter.SetPictureWidth(value); }); });
    m_xref = new QCheckBox(tr("교차 참조 포함(&X)"), this);
    connect(m_xref, &QCheckBox::toggled, this,
            [this](bool on) { forward([&] { m_presenter.SetCrossReference(on); }); });

    auto *form = new QFormLayout;
    form->addRow(tr("화면:"), m_scope);
    form->addRow(tr("그림 폭(&W):"), m_width);
    if (auto *label = qobject_cast<QLabel *>(form->labelForField(m_width)))
        label->setBuddy(m_width);
    form->addRow(m_xref);
    setContent(form);
    refreshView();
}

void CReportSetupDialog::refresh()
{
    m_scope->refresh();
    m_width->setValue(m_presenter.PictureWidth());
    m_xref->setChecked(m_presenter.CrossReference());
}

bool CReportSetupDialog::acceptChanges()
{
    m_scope->commitList();
    return m_presenter.Ok();
}

} // namespace ui
