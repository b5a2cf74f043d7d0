#include "ui/tags/shape_tag_dialog.h"

#include "ui/common/message_box.h"
#include "ui/tags/range_spin_box.h"

#include "core/tags/line_style.h"

#include "util/message_ids.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QPainter>
#include <QPixmap>

namespace ui {

namespace {

// A short stroke of the line kind, as the list shows it beside the name.
QIcon lineSample(Qt::PenStyle style)
{
    QPixmap pixmap(32, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QPen pen(Qt::black, 1, style);
    painter.setPen(pen);
    painter.drawLine(1, 6, 30, 6);
    return QIcon(pixmap);
}

} // namespace

void CShapeTagDialog::addStyleRows(QFormLayout *form)
{
    m_lineType = new QComboBox(this);
    // Solid and dotted are the string table's names of the grid lines.
    m_lineType->addItem(lineSample(Qt::SolidLine), messageString(util::msg::kGridStyleFirst + 1));
    m_lineType->addItem(lineSample(Qt::DotLine), messageString(util::msg::kGridStyleFirst + 2));
    m_lineType->addItem(lineSample(Qt::DashLine), tr("파선"));
    form->addRow(tr("종류(&K):"), m_lineType);
    m_thickness = new QComboBox(this);
    form->addRow(tr("두께(&T):"), m_thickness);
    if (presenter().HasFill()) {
        m_fill = new QCheckBox(tr("채우기(&F)"), this);
        form->addRow(m_fill);
        connect(m_fill, &QCheckBox::toggled, this,
                [this](bool on) { edit([&] { presenter().SetFill(on); }); });
    }
    connect(m_lineType, &QComboBox::currentIndexChanged, this,
            [this](int i) { edit([&] { presenter().SetLineType(std::uint16_t(i)); }); });
    connect(m_thickness, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            edit([&] {
                presenter().SetThickness(std::uint16_t(m_thickness->itemData(i).toUInt()));
            });
    });
}

void CShapeTagDialog::refreshStyle()
{
    const auto &p = presenter();
    m_lineType->setCurrentIndex(p.LineType() <= core::kLineDashed ? p.LineType() : -1);
    // The list follows the choices (a thickness beyond the usual ones has its own entry).
    const std::vector<std::uint16_t> choices = p.ThicknessChoices();
    if (m_thickness->count() != int(choices.size())
        || (!choices.empty()
            && m_thickness->itemData(m_thickness->count() - 1).toUInt() != choices.back())) {
        m_thickness->clear();
        for (const std::uint16_t t : choices)
            m_thickness->addItem(QString::number(t), t);
    }
    m_thickness->setCurrentIndex(m_thickness->findData(p.Thickness()));
    if (m_fill)
        m_fill->setChecked(p.IsFilled());
}

} // namespace ui
