#include "ui/tags/two_image_tag_dialog.h"

#include "ui/tags/point_group_box.h"
#include "ui/tags/tag_image_box.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {

void CTwoImageTagDialog::build()
{
    auto *columns = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    m_point = pointGroupBox(tr("디바이스"), presenter().Point(), 0);
    left->addWidget(m_point);
    left->addWidget(buildOnValue());
    if (QLayout *extra = buildExtra())
        left->addLayout(extra);
    left->addStretch();
    columns->addLayout(left);

    auto *right = new QVBoxLayout;
    right->addWidget(buildImages());
    right->addWidget(positionBox());
    right->addStretch();
    columns->addLayout(right);
    setContent(columns);
    refreshView();
}

QWidget *CTwoImageTagDialog::buildOnValue()
{
    auto *box = new QGroupBox(tr("On 상태값"), this);
    auto *row = new QHBoxLayout(box);
    m_onValue = new QButtonGroup(this);
    for (int value : {0, 1}) {
        auto *radio = new QRadioButton(QStringLiteral("&%1").arg(value), box);
        m_onValue->addButton(radio, value);
        row->addWidget(radio);
    }
    row->addStretch();
    connect(m_onValue, &QButtonGroup::idClicked, this,
            [this](int v) { edit([&] { presenter().SetOnValue(std::uint16_t(v)); }); });
    return box;
}

QWidget *CTwoImageTagDialog::buildImages()
{
    auto *box = new QGroupBox(tr("이미지"), this);
    auto *grid = new QGridLayout(box);
    m_offImage = makeImageBox(QStringLiteral("OFF"),
                              [this](std::uint32_t n) { return presenter().SetOffImage(n); });
    m_onImage = makeImageBox(QStringLiteral("ON"),
                             [this](std::uint32_t n) { return presenter().SetOnImage(n); });
    int column = 0;
    for (auto [name, picture] : {std::pair{"OFF", m_offImage}, std::pair{"ON", m_onImage}}) {
        auto *label = new QLabel(QString::fromLatin1(name), box);
        label->setBuddy(picture);
        grid->addWidget(label, 0, column, Qt::AlignHCenter);
        grid->addWidget(picture, 1, column, Qt::AlignHCenter);
        ++column;
    }
    m_enlarge = makeCheck(tr("확대(&E)"), [this](bool on) { presenter().SetEnlarged(on); });
    grid->addWidget(m_enlarge, 2, 0, 1, 2);
    return box;
}

void CTwoImageTagDialog::refresh()
{
    const core::CTwoImageTagDlg &p = presenter();
    refreshPosition();
    m_point->refresh();
    if (auto *b = m_onValue->button(p.OnValue()))
        b->setChecked(true);
    m_enlarge->setChecked(p.IsEnlarged());
    m_offImage->setImage(p.OffImage());
    m_onImage->setImage(p.OnImage());
}

QAbstractButton *CTwoImageTagDialog::onValueButton(int value) const
{
    return m_onValue->button(value);
}

} // namespace ui
