#include "ui/dialogs/env_config_dialog.h"

#include "ui/common/message_box.h"

#include "util/message_ids.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace ui {

namespace {

QColor fromColorref(std::uint32_t c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

std::uint32_t toColorref(const QColor &c)
{
    return std::uint32_t(c.red()) | std::uint32_t(c.green()) << 8 | std::uint32_t(c.blue()) << 16;
}

} // namespace

CEnvConfigDialog::CEnvConfigDialog(core::CAppConfig &config, QWidget *parent)
    : QDialog(parent)
    , m_config(config)
    , m_colors(config.colors())
{
    setWindowTitle(tr("옵션"));
    const QString names[6] = {tr("배경"),
                              tr("채우기"),
                              tr("그리드"),
                              tr("선택된 외곽선"),
                              tr("선택 안 된 외곽선"),
                              tr("기능키 포커스")};
    auto *colorGrid = new QGridLayout;
    for (int i = 0; i < 6; ++i) {
        m_buttons[i] = new QPushButton(this);
        m_buttons[i]->setObjectName(QStringLiteral("color%1").arg(i));
        m_buttons[i]->setFixedWidth(60);
        connect(m_buttons[i], &QPushButton::clicked, this, [this, i] { chooseColor(i); });
        colorGrid->addWidget(new QLabel(names[i], this), i / 2, (i % 2) * 2);
        colorGrid->addWidget(m_buttons[i], i / 2, (i % 2) * 2 + 1);
        showColor(i);
    }
    m_autoSave = new QSpinBox(this);
    m_autoSave->setObjectName(QStringLiteral("autoSave"));
    m_autoSave->setRange(0, core::kMaxAutoSaveMinutes);
    m_autoSave->setValue(config.autoSaveInterval());
    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("language"));
    for (const auto &res : config.resources().entries()) {
        m_language->addItem(QString::fromStdString(res.name), res.langId);
        if (res.langId == config.resourceLang())
            m_language->setCurrentIndex(m_language->count() - 1);
    }
    auto *form = new QFormLayout;
    auto *autoLabel = new QLabel(tr("자동 저장 간격:"), this);
    auto *unit = new QLabel(tr("분(&M)"), this);
    unit->setBuddy(m_autoSave);
    auto *row = new QHBoxLayout;
    row->addWidget(m_autoSave);
    row->addWidget(unit);
    form->addRow(autoLabel, row);
    form->addRow(tr("리소스 언어:"), m_language);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(colorGrid);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

std::uint32_t &CEnvConfigDialog::colorAt(int index)
{
    std::uint32_t *all[6] = {&m_colors.back,   &m_colors.fill,    &m_colors.grid,
                             &m_colors.select, &m_colors.outline, &m_colors.focus};
    return *all[index];
}

void CEnvConfigDialog::showColor(int index)
{
    m_buttons[index]->setStyleSheet(
            QStringLiteral("background-color: %1").arg(fromColorref(colorAt(index)).name()));
}

void CEnvConfigDialog::setColor(int index, std::uint32_t colorref)
{
    colorAt(index) = colorref;
    showColor(index);
}

void CEnvConfigDialog::chooseColor(int index)
{
    const QColor c = QColorDialog::getColor(fromColorref(colorAt(index)), this);
    if (c.isValid())
        setColor(index, toColorref(c));
}

int CEnvConfigDialog::autoSaveInterval() const
{
    return m_autoSave->value();
}

bool CEnvConfigDialog::apply()
{
    m_config.setColors(m_colors);
    const std::uint32_t lang = m_language->currentData().toUInt();
    if (!m_config.chooseResourceLanguage(lang))
        return false;
    showMessage(this, util::msg::kRestartForResources);
    return true;
}

} // namespace ui
