#include "port_chooser.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ports {

CPortChooser::CPortChooser(const QString &portName, const QString &currentDevice,
                           CPortCatalogue catalogue, QWidget *parent)
    : QDialog(parent)
    , m_catalogue(std::move(catalogue))
{
    setWindowTitle(tr("포트 선택 - %1").arg(portName));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("portDevices"));
    m_path = new QLineEdit(currentDevice, this);
    m_path->setObjectName(QStringLiteral("portPath"));
    m_path->setPlaceholderText(QStringLiteral("/dev/ttyUSB0, /dev/pts/3"));
    m_refresh = new QPushButton(tr("새로 고침(&R)"), this);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setDefault(true);

    auto *listLabel = new QLabel(tr("연결된 장치(&L):"), this);
    listLabel->setBuddy(m_list);
    auto *pathLabel = new QLabel(tr("%1의 장치 경로(&T):").arg(portName), this);
    pathLabel->setBuddy(m_path);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addWidget(m_list);
    layout->addWidget(pathLabel);
    layout->addWidget(m_path);
    auto *row = new QHBoxLayout;
    row->addWidget(m_refresh);
    row->addWidget(buttons, 1);
    layout->addLayout(row);
    setMinimumWidth(460);

    // Selection, not the current item: the list makes its first row current when it gets the
    // focus, and that must not replace the path the slot has now.
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> selected = m_list->selectedItems();
        if (!selected.isEmpty())
            m_path->setText(selected.constFirst()->data(Qt::UserRole).toString());
    });
    connect(m_list, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        m_path->setText(item->data(Qt::UserRole).toString());
        accept();
    });
    connect(m_path, &QLineEdit::textChanged, this, &CPortChooser::updateOk);
    connect(m_refresh, &QPushButton::clicked, this, &CPortChooser::refresh);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    refresh();
    updateOk();
    // Without devices to pick from, the path is the only thing left to type.
    if (m_found == 0)
        m_path->setFocus();
    else
        m_list->setFocus();
}

void CPortChooser::refresh()
{
    // Filling the list must not overwrite what is in the path line.
    const QSignalBlocker block(m_list);
    m_list->clear();
    const std::vector<PortEntry> entries = m_catalogue.list();
    m_found = static_cast<int>(entries.size());
    for (const PortEntry &entry : entries) {
        const QString path = QString::fromStdString(entry.path);
        QString text = path;
        if (!entry.description.empty())
            text += QStringLiteral("  —  ") + QString::fromStdString(entry.description);
        if (entry.path.find(entry.kernelName) == std::string::npos)
            text += QStringLiteral("  (%1)").arg(QString::fromStdString(entry.kernelName));
        auto *item = new QListWidgetItem(text, m_list);
        item->setData(Qt::UserRole, path);
        item->setToolTip(path);
        if (path == m_path->text())
            m_list->setCurrentItem(item);
    }
    if (m_found == 0) {
        auto *none = new QListWidgetItem(tr("직렬 장치를 찾지 못했습니다"), m_list);
        none->setFlags(Qt::NoItemFlags);
    }
}

QString CPortChooser::chosenPath() const
{
    return m_path->text().trimmed();
}

void CPortChooser::updateOk()
{
    m_ok->setEnabled(!chosenPath().isEmpty());
}

} // namespace ports
