#include "ui/project/tag_list_dlg.h"

#include "ui/app/core_model.h"

#include "util/messages.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

QString message(int id)
{
    return QString::fromStdString(std::string(util::messageText(id)));
}

} // namespace

CTagListDlg::CTagListDlg(const core::CScreenData &screen, QWidget *parent)
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
        auto *grid = new QTableWidget(0, 4, m_tabs);
        grid->setObjectName(QStringLiteral("TAG INFO"));
        grid->setHorizontalHeaderLabels({message(53020), message(53021), tr("너비"), tr("높이")});
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

QTableWidget *CTagListDlg::table(int kind) const
{
    return qobject_cast<QTableWidget *>(m_tabs->widget(kind));
}

} // namespace ui
