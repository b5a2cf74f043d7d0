#include "ui/tags/bitmap_tag_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

CBitmapTagDialog::CBitmapTagDialog(const TagDialogContext &context, core::CBitmapTag &tag,
                                   QWidget *parent)
    : CImageTagDialog(context, parent)
    , m_presenter(env(), tag)
{
    setWindowTitle(tr("이미지 속성"));
    auto *columns = new QHBoxLayout;

    auto *image = new QGroupBox(tr("이미지"), this);
    auto *form = new QFormLayout(image);
    m_id = new QLineEdit(image);
    m_id->setReadOnly(true);
    m_size = new QLineEdit(image);
    m_size->setReadOnly(true);
    form->addRow(tr("I&D:"), m_id);
    form->addRow(tr("크기 (폭 x 높이)(&S):"), m_size);
    m_change = new QPushButton(tr("이미지 변경(&C)..."), image);
    m_change->setEnabled(canChooseImages());
    form->addRow(m_change);
    m_enlarge = makeCheck(tr("확대(&E)"), [this](bool on) { m_presenter.SetEnlarged(on); });
    m_inverse = makeCheck(tr("색 반전(&I)"), [this](bool on) { m_presenter.SetInverse(on); });
    form->addRow(m_enlarge);
    form->addRow(m_inverse);
    columns->addWidget(image);

    auto *right = new QVBoxLayout;
    right->addWidget(positionBox());
    right->addStretch();
    columns->addLayout(right);
    setContent(columns);

    connect(m_change, &QPushButton::clicked, this, [this] {
        pickImage(m_presenter.Image(), [this](std::uint32_t n) { return m_presenter.SetImage(n); });
    });
    refreshView();
}

void CBitmapTagDialog::refresh()
{
    refreshPosition();
    m_id->setText(QString::fromStdString(m_presenter.IdText()));
    m_size->setText(QString::fromStdString(m_presenter.SizeText()));
    m_enlarge->setChecked(m_presenter.IsEnlarged());
    m_inverse->setChecked(m_presenter.IsInverse());
}

} // namespace ui
