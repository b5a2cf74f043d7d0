#include "ui/app/core_model.h"

#include "ui/project/screen_prop_dlg.h"

#include "ui/app/message_box.h"
#include "ui/undo/screen_host.h"

#include "util/code_page.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QUndoStack>

namespace ui {

CScreenPropDlg::CScreenPropDlg(CScreenHost &host, core::CScreenData &screen,
                               std::uint16_t panelLangId, QWidget *parent)
    : QDialog(parent)
    , m_host(host)
    , m_screen(screen)
    , m_langId(panelLangId)
    , m_before(ScreenProps::of(screen))
{
    setWindowTitle(tr("화면 속성"));
    m_name = new QLineEdit(QString::fromStdString(util::toUtf8Lossy(screen.Name(), m_langId)),
                           this);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setMaxLength(23);
    connect(m_name, &QLineEdit::editingFinished, this, &CScreenPropDlg::nameEdited);
    m_number = numberSpin(screen.Number());
    connect(m_number, &QSpinBox::editingFinished, this, &CScreenPropDlg::numberEdited);
    m_prev = numberSpin(screen.PrevScreen());
    connect(m_prev, &QSpinBox::editingFinished, this, &CScreenPropDlg::prevEdited);
    m_next = numberSpin(screen.NextScreen());
    connect(m_next, &QSpinBox::editingFinished, this, &CScreenPropDlg::nextEdited);

    m_background = new QCheckBox(tr("배경 이미지 선택"), this);
    m_background->setChecked(screen.IsBackgroundOn());
    connect(m_background, &QCheckBox::toggled, this, [this](bool on) {
        m_screen.SetBackgroundOn(on);
        changed();
    });
    int w = 0, h = 0;
    if (auto *doc = m_host.document())
        if (const auto *image = doc->Images().Find(screen.BackgroundImage())) {
            w = image->m_bitmap.width();
            h = image->m_bitmap.height();
        }
    auto *size = new QLabel(QStringLiteral("( %1 x %2 )").arg(w).arg(h), this);
    m_password = new QCheckBox(tr("암호 사용"), this);
    m_password->setChecked(screen.IsPasswordOn());
    connect(m_password, &QCheckBox::toggled, this, [this](bool on) {
        m_screen.SetPasswordOn(on);
        changed();
    });

    auto *form = new QFormLayout;
    form->addRow(tr("화면 이름:"), m_name);
    form->addRow(tr("화면 번호:"), m_number);
    form->addRow(tr("이전 화면(◀):"), m_prev);
    form->addRow(tr("다음 화면(▶):"), m_next);
    form->addRow(m_background, size);
    form->addRow(m_password);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QSpinBox *CScreenPropDlg::numberSpin(int value)
{
    auto *spin = new QSpinBox(this);
    // One digit more than the range, so a number above 999 can be typed and put back.
    spin->setRange(0, 9999);
    spin->setValue(value);
    return spin;
}

void CScreenPropDlg::changed()
{
    m_host.screensChanged();
}

void CScreenPropDlg::nameEdited()
{
    const std::string bytes = util::fromUtf8Lossy(m_name->text().toStdString(), m_langId);
    if (core::CDorvaneDoc::CheckScreenName(bytes) != 0) {
        m_name->setText(QString::fromStdString(util::toUtf8Lossy(m_screen.Name(), m_langId)));
        return;
    }
    if (bytes == m_screen.Name())
        return;
    m_screen.SetName(bytes);
    changed();
}

void CScreenPropDlg::numberEdited()
{
    auto *doc = m_host.document();
    const int n = m_number->value();
    if (!doc || n == m_screen.Number())
        return;
    const int result
            = n > core::kMaxScreenNumber ? 52300 : doc->RenumberScreen(m_screen, std::uint16_t(n));
    if (result != 0) {
        const QSignalBlocker block(m_number);
        m_number->setValue(m_screen.Number());
        if (result == 52603) {
            showMessage(this, 52603);
            m_number->setFocus();
        }
        return;
    }
    changed();
}

void CScreenPropDlg::prevEdited()
{
    if (m_prev->value() > core::kMaxScreenNumber) {
        const QSignalBlocker block(m_prev);
        m_prev->setValue(m_screen.PrevScreen());
        return;
    }
    m_screen.SetPrevScreen(std::uint16_t(m_prev->value()));
}

void CScreenPropDlg::nextEdited()
{
    if (m_next->value() > core::kMaxScreenNumber) {
        const QSignalBlocker block(m_next);
        m_next->setValue(m_screen.NextScreen());
        return;
    }
    m_screen.SetNextScreen(std::uint16_t(m_next->value()));
}

void CScreenPropDlg::done(int result)
{
    if (result == QDialog::Accepted) {
        // A field still being edited counts, as when it loses the focus to OK.
        nameEdited();
        numberEdited();
        prevEdited();
        nextEdited();
    } else {
        CScreenPropsCommand::apply(m_host, ScreenProps::of(m_screen), m_before);
    }
    QDialog::done(result);
}

void CScreenPropDlg::commit(QUndoStack &stack)
{
    const ScreenProps after = ScreenProps::of(m_screen);
    if (after == m_before)
        return;
    stack.push(new CScreenPropsCommand(m_host, m_before, after));
}

} // namespace ui
