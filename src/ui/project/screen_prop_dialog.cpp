#include "ui/project/screen_prop_dialog.h"

#include "ui/dialogs/image_lib_dialog.h"

#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/screen_data.h"

#include "util/message_ids.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace ui {

CScreenPropDialog::CScreenPropDialog(core::CDorvaneDoc &doc, std::uint16_t panelLangId,
                                     core::CScreenData &screen, QWidget *parent)
    : CPresenterDialog(parent)
    , m_doc(doc)
    , m_panelLangId(panelLangId)
    , m_presenter(doc, screen, panelLangId, prompt())
{
    setWindowTitle(tr("화면 속성"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setMaxLength(23);
    connect(m_name, &QLineEdit::editingFinished, this, &CScreenPropDialog::nameEdited);
    m_number = numberSpin();
    connect(m_number, &QSpinBox::editingFinished, this, &CScreenPropDialog::numberEdited);
    m_prev = numberSpin();
    connect(m_prev, &QSpinBox::editingFinished, this, &CScreenPropDialog::prevEdited);
    m_next = numberSpin();
    connect(m_next, &QSpinBox::editingFinished, this, &CScreenPropDialog::nextEdited);

    m_background = new QCheckBox(tr("배경 이미지 선택"), this);
    connect(m_background, &QCheckBox::toggled, this, [this](bool on) {
        if (!refreshing())
            changed(m_presenter.SetBackgroundOn(on));
    });
    m_chooseBackground = new QPushButton(tr("이미지 선택..."), this);
    m_chooseBackground->setAutoDefault(false);
    connect(m_chooseBackground, &QPushButton::clicked, this, &CScreenPropDialog::chooseBackground);
    m_backgroundSize = new QLabel(this);
    auto *background = new QHBoxLayout;
    background->addWidget(m_chooseBackground);
    background->addWidget(m_backgroundSize, 1);
    m_password = new QCheckBox(tr("암호 사용"), this);
    connect(m_password, &QCheckBox::toggled, this, [this](bool on) {
        if (!refreshing())
            changed(m_presenter.SetPasswordOn(on));
    });

    auto *form = new QFormLayout;
    form->addRow(tr("화면 이름:"), m_name);
    form->addRow(tr("화면 번호:"), m_number);
    form->addRow(tr("이전 화면(◀):"), m_prev);
    form->addRow(tr("다음 화면(▶):"), m_next);
    form->addRow(m_background, background);
    form->addRow(m_password);
    setContent(form);
    refreshView();
}

QSpinBox *CScreenPropDialog::numberSpin()
{
    auto *spin = new QSpinBox(this);
    // One digit more than the range, so a number above 999 can be typed and put back.
    spin->setRange(0, 9999);
    return spin;
}

void CScreenPropDialog::refresh()
{
    const QString name = QString::fromStdString(m_presenter.Name());
    if (m_name->text() != name)
        m_name->setText(name);
    m_number->setValue(m_presenter.Number());
    m_prev->setValue(m_presenter.Prev());
    m_next->setValue(m_presenter.Next());
    m_background->setChecked(m_presenter.BackgroundOn());
    // Without an image of the project behind the number there is nothing to show: the box
    // stays off until an image is chosen.
    const bool hasImage = m_presenter.BackgroundWidth() > 0;
    m_background->setEnabled(hasImage || m_presenter.BackgroundOn());
    m_background->setToolTip(m_background->isEnabled() ? QString()
                                                       : tr("이 화면에는 배경 이미지가 없습니다."));
    m_backgroundSize->setText(QStringLiteral("( %1 x %2 )")
                                      .arg(m_presenter.BackgroundWidth())
                                      .arg(m_presenter.BackgroundHeight()));
    m_backgroundSize->setAccessibleName(m_backgroundSize->text());
    m_password->setChecked(m_presenter.PasswordOn());
}

void CScreenPropDialog::changed(bool tellWindows)
{
    const QSignalBlocker blockNumber(m_number), blockPrev(m_prev), blockNext(m_next);
    refreshView();
    if (tellWindows)
        emit screenChanged();
}

void CScreenPropDialog::nameEdited()
{
    changed(m_presenter.SetName(m_name->text().toStdString()));
}

void CScreenPropDialog::numberEdited()
{
    const int before = m_presenter.Number();
    const bool renumbered = m_presenter.SetNumber(m_number->value());
    // A number another screen has was refused with its message: the entry gets the focus back.
    if (!renumbered && m_number->value() != before && m_number->value() <= core::kMaxScreenNumber)
        m_number->setFocus();
    changed(renumbered);
}

void CScreenPropDialog::prevEdited()
{
    // Neighbours change neither the tree nor a caption.
    m_presenter.SetPrev(m_prev->value());
    changed(false);
}

void CScreenPropDialog::nextEdited()
{
    m_presenter.SetNext(m_next->value());
    changed(false);
}

void CScreenPropDialog::chooseBackground()
{
    const core::FunctionEnv env{m_doc.Slots(), prompt(), m_panelLangId};
    const auto chosen = chooseLibraryImage(this, env, m_doc.Images().ImagesDir(),
                                           m_presenter.Now().background);
    if (chosen)
        changed(m_presenter.SetBackgroundImage(*chosen));
}

void CScreenPropDialog::done(int result)
{
    if (result == QDialog::Accepted) {
        // A field still being edited counts, as when it loses the focus to OK.
        nameEdited();
        numberEdited();
        prevEdited();
        nextEdited();
        m_presenter.Ok();
    } else {
        m_presenter.Cancel();
        emit screenChanged();
    }
    QDialog::done(result);
}

std::optional<ScreenPropsEdit> CScreenPropDialog::change() const
{
    core::ScreenProps after = m_presenter.Now();
    if (after == m_presenter.Before())
        return std::nullopt;
    return ScreenPropsEdit{m_presenter.Before(), std::move(after)};
}

} // namespace ui
