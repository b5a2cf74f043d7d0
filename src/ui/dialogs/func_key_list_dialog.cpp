#include "ui/dialogs/func_key_list_dialog.h"

#include "util/code_page.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

CFuncKeyListDialog::CFuncKeyListDialog(const core::FunctionEnv &env,
                                       const core::CScreenData &screen, std::uint16_t panelLangId,
                                       QWidget *parent)
    : QDialog(parent)
{
    const std::string name = util::toUtf8Lossy(screen.Name(), panelLangId);
    setWindowTitle(QString::fromStdString(core::CFuncKeyListDlg::Caption(
            tr("기능키 리스트").toStdString(), name, screen.Number())));
    core::CFuncKeyListDlg::Keys keys{};
    for (std::size_t k = 0; k < keys.size(); ++k)
        keys[k] = screen.FunctionKey(k);
    const auto rows = core::CFuncKeyListDlg::Rows(env, keys);

    m_table = new QTableWidget(int(rows.size()), 2, this);
    m_table->setObjectName(QStringLiteral("FUNCKEY INFO"));
    m_table->setAccessibleName(windowTitle());
    m_table->horizontalHeader()->hide();
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int r = 0; r < int(rows.size()); ++r) {
        const auto &row = rows[std::size_t(r)];
        auto *label = new QTableWidgetItem(QString::fromStdString(row.label));
        auto *value = new QTableWidgetItem(QString::fromStdString(row.value));
        if (row.title) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
            label->setBackground(palette().alternateBase());
            value->setBackground(palette().alternateBase());
        }
        m_table->setItem(r, 0, label);
        m_table->setItem(r, 1, value);
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(420, 520);
}

} // namespace ui
