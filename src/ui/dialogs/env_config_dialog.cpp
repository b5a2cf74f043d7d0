#include "ui/dialogs/env_config_dialog.h"

#include "ui/canvas/tag_painter.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ui {

CEnvConfigDialog::CEnvConfigDialog(core::CAppConfig &config, QWidget *parent)
    : CPresenterDialog(parent)
    , m_config(config)
    , m_presenter(config)
{
    setWindowTitle(tr("옵션"));
    build();
    refreshView();
    m_buttons[0]->setFocus();
}

void CEnvConfigDialog::build()
{
    const QString names[core::CEnvConfigDlg::kColorCount] = {tr("배경"),
                                                             tr("채우기"),
                                                             tr("그리드"),
                                                             tr("선택된 외곽선"),
                                                             tr("선택 안 된 외곽선"),
                                                             tr("기능키 포커스")};
    auto *colorGrid = new QGridLayout;
    for (int i = 0; i < core::CEnvConfigDlg::kColorCount; ++i) {
        auto *button = new QPushButton(this);
        button->setObjectName(QStringLiteral("color%1").arg(i));
        button->setFixedWidth(60);
        // Enter means OK, not "pick the focused colour".
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] { chooseColor(i); });
        auto *label = new QLabel(names[i], this);
        label->setBuddy(button);
        button->setAccessibleName(names[i]);
        colorGrid->addWidget(label, i, 0);
        colorGrid->addWidget(button, i, 1);
        m_buttons[std::size_t(i)] = button;
        colorGrid->addWidget(makeDefaultButton(i, names[i]), i, 2);
    }
    colorGrid->setColumnStretch(3, 1);
    m_autoSave = new QSpinBox(this);
    m_autoSave->setObjectName(QStringLiteral("autoSave"));
    m_autoSave->setRange(0, core::kMaxAutoSaveMinutes);
    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("language"));
    for (const std::string &name : m_presenter.LanguageNames())
        m_language->addItem(QString::fromStdString(name));

    auto *form = new QFormLayout;
    auto *autoLabel = new QLabel(tr("자동 저장 간격:"), this);
    auto *unit = new QLabel(tr("분(&M)"), this);
    unit->setBuddy(m_autoSave);
    auto *row = new QHBoxLayout;
    row->addWidget(m_autoSave);
    row->addWidget(unit);
    form->addRow(autoLabel, row);
    form->addRow(tr("리소스 언어:"), m_language);
    auto *layout = new QVBoxLayout;
    layout->addLayout(colorGrid);
    layout->addLayout(form);
    setContent(layout);

    connect(m_autoSave, &QSpinBox::valueChanged, this,
            [this](int minutes) { forward([&] { m_presenter.SetAutoSave(minutes); }); });
    connect(m_language, &QComboBox::currentIndexChanged, this,
            [this](int i) { forward([&] { m_presenter.SetLanguage(i); }); });
}

QPushButton *CEnvConfigDialog::makeDefaultButton(int index, const QString &colorName)
{
    // Shows the colour it restores, so the choice is seen before it is made.
    QPixmap swatch(12, 12);
    swatch.fill(fromColorRef(core::CEnvConfigDlg::DefaultColor(index)));
    auto *button = new QPushButton(QIcon(swatch), tr("기본값"), this);
    button->setObjectName(QStringLiteral("defaultColor%1").arg(index));
    button->setAutoDefault(false);
    button->setAccessibleName(tr("%1 기본값").arg(colorName));
    button->setToolTip(tr("프로그램의 기본 색으로 되돌립니다."));
    connect(button, &QPushButton::clicked, this,
            [this, index] { forward([&] { m_presenter.ResetColor(index); }); });
    m_defaultButtons[std::size_t(index)] = button;
    return button;
}

void CEnvConfigDialog::refresh()
{
    for (int i = 0; i < core::CEnvConfigDlg::kColorCount; ++i) {
        m_buttons[std::size_t(i)]->setStyleSheet(
                QStringLiteral("background-color: %1")
                        .arg(fromColorRef(m_presenter.Color(i)).name()));
        m_defaultButtons[std::size_t(i)]->setEnabled(!m_presenter.IsDefaultColor(i));
    }
    m_autoSave->setValue(m_presenter.AutoSave());
    m_language->setCurrentIndex(m_presenter.Language());
}

void CEnvConfigDialog::setColor(int index, std::uint32_t colorref)
{
    forward([&] { m_presenter.SetColor(index, colorref); });
}

void CEnvConfigDialog::chooseColor(int index)
{
    const QColor c = QColorDialog::getColor(fromColorRef(m_presenter.Color(index)), this);
    if (c.isValid())
        setColor(index, core::CEnvConfigDlg::ColorRef(c.red(), c.green(), c.blue()));
}

bool CEnvConfigDialog::apply()
{
    return m_presenter.Apply(m_config, prompt());
}

} // namespace ui
