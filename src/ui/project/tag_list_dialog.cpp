#include "ui/project/tag_list_dialog.h"

#include "ui/common/message_box.h"

#include "core/model/dorvane_doc.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/tag_points.h"

#include "util/message_ids.h"
#include "util/messages.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

QString pointChannel(const core::CPointInfo &p)
{
    return p.m_channel == 0 ? QStringLiteral("S") : QStringLiteral("Ch%1").arg(p.m_channel);
}

QString pointSize(const core::CPointInfo &p)
{
    return p.m_dataSize == 1    ? QStringLiteral("Bit")
            : p.m_dataSize == 3 ? QStringLiteral("Double Word")
                                : QStringLiteral("Word");
}

QString pointBase(const core::CPointInfo &p)
{
    if (p.m_dataSize == 1)
        return {};
    return p.m_base == 2    ? QStringLiteral("HEX")
            : p.m_base == 3 ? QStringLiteral("BCD")
                            : QStringLiteral("DEC");
}

} // namespace

CTagListDialog::CTagListDialog(const core::CScreenData &screen, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("태그 리스트"));
    const QString kinds[core::kTagKindCount]
            = {tr("수치"),   tr("메시지"),   tr("문자"),   tr("램프"),
               tr("버튼"),   tr("원그래프"), tr("이미지"), tr("막대그래프"),
               tr("트렌드"), tr("회전"),     tr("이동"),   tr("사각형"),
               tr("직선"),   tr("원"),       tr("시계"),   tr("이미지 문자")};
    m_tabs = new QTabWidget(this);
    for (int kind = 0; kind < core::kTagKindCount; ++kind) {
        const bool device = core::tagKindInfo(kind).deviceTag;
        auto *grid = new QTableWidget(0, device ? 9 : 4, m_tabs);
        grid->setObjectName(QStringLiteral("TAG INFO"));
        QStringList headers{messageString(util::msg::kXCaption),
                            messageString(util::msg::kYCaption), tr("너비"), tr("높이")};
        if (device)
            headers << messageString(util::msg::kChannelCaption)
                    << messageString(util::msg::kStationCaption)
                    << messageString(util::msg::kAddressValueCaption)
                    << messageString(util::msg::kSizeCaption)
                    << messageString(util::msg::kRadixCaption);
        grid->setHorizontalHeaderLabels(headers);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        for (const auto &tag : screen.Tags()) {
            if (tag->Kind() != kind)
                continue;
            const int row = grid->rowCount();
            grid->insertRow(row);
            const core::CRect &r = tag->Rect();
            const int values[4] = {tag->X(), tag->Y(), r.right - r.left, r.bottom - r.top};
            for (int col = 0; col < 4; ++col)
                grid->setItem(row, col, new QTableWidgetItem(QString::number(values[col])));
            const auto points = core::devicePoints(*tag);
            if (device && !points.empty()) {
                // The first point; a moving tag's second follows after a slash.
                QStringList columns[5];
                for (const core::CPointInfo *p : points) {
                    columns[0] << pointChannel(*p);
                    columns[1] << QString::number(p->m_station);
                    columns[2] << QString::fromStdString(p->m_address + p->m_second);
                    columns[3] << pointSize(*p);
                    columns[4] << pointBase(*p);
                }
                for (int c = 0; c < 5; ++c)
                    grid->setItem(row, 4 + c, new QTableWidgetItem(columns[c].join(u'/')));
            }
        }
        m_tabs->addTab(grid, kinds[kind]);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    resize(520, 360);
}

QTableWidget *CTagListDialog::table(int kind) const
{
    return qobject_cast<QTableWidget *>(m_tabs->widget(kind));
}

} // namespace ui
