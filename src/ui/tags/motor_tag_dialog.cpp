#include "ui/tags/motor_tag_dialog.h"

#include "ui/tags/point_group_box.h"
#include "ui/tags/tag_image_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr int kImagesPerRow = 4;

} // namespace

CMotorTagDialog::CMotorTagDialog(const TagDialogContext &context, core::CMotorTag &tag,
                                 QWidget *parent)
    : CImageTagDialog(context, parent)
    , m_presenter(env(), tag)
{
    setWindowTitle(tr("회전 속성"));
    auto *columns = new QHBoxLayout;
    columns->addWidget(buildImages());
    columns->addLayout(buildPoint());
    setContent(columns);
    refreshView();
}

QWidget *CMotorTagDialog::buildImages()
{
    auto *box = new QGroupBox(tr("이미지"), this);
    auto *layout = new QVBoxLayout(box);
    auto *form = new QFormLayout;
    m_count = new QComboBox(box);
    for (int n = core::CMotorTag::kMinImages; n <= int(core::CMotorTag::kMaxImages); ++n)
        m_count->addItem(QString::number(n), n);
    m_direction = new QComboBox(box);
    m_direction->addItem(tr("시계방향"), core::kClockwise);
    m_direction->addItem(tr("반시계방향"), core::kCounterClockwise);
    form->addRow(tr("이미지 갯수(&C):"), m_count);
    form->addRow(tr("회전 방향(&D):"), m_direction);
    layout->addLayout(form);

    auto *grid = new QGridLayout;
    for (std::size_t slot = 0; slot < m_images.size(); ++slot) {
        const QString name = QString::number(slot + 1);
        m_images[slot] = makeImageBox(
                name, [this, slot](std::uint32_t n) { return m_presenter.SetImage(slot, n); });
        auto *label = new QLabel(QStringLiteral("&") + name, box);
        label->setBuddy(m_images[slot]);
        const int row = int(slot) / kImagesPerRow * 2;
        const int column = int(slot) % kImagesPerRow;
        grid->addWidget(label, row, column, Qt::AlignHCenter);
        grid->addWidget(m_images[slot], row + 1, column, Qt::AlignHCenter);
    }
    layout->addLayout(grid);
    m_enlarge = makeCheck(tr("확대(&E)"), [this](bool on) { m_presenter.SetEnlarged(on); });
    m_inverse = makeCheck(tr("색 반전(&I)"), [this](bool on) { m_presenter.SetInverse(on); });
    auto *looks = new QHBoxLayout;
    looks->addWidget(m_enlarge);
    looks->addWidget(m_inverse);
    looks->addStretch();
    layout->addLayout(looks);

    connect(m_count, &QComboBox::currentIndexChanged, this, [this](int index) {
        edit([&] { m_presenter.SetImageCount(m_count->itemData(index).toInt()); });
    });
    connect(m_direction, &QComboBox::currentIndexChanged, this, [this](int index) {
        edit([&] {
            m_presenter.SetDirection(std::uint16_t(m_direction->itemData(index).toInt()));
        });
    });
    return box;
}

QLayout *CMotorTagDialog::buildPoint()
{
    auto *layout = new QVBoxLayout;
    m_point = pointGroupBox(tr("디바이스"), m_presenter.Point(), CPointGroupBox::Format);
    layout->addWidget(m_point);
    auto *form = new QFormLayout;
    m_maxRpm = new QLineEdit(this);
    form->addRow(tr("최대 RPM(&R):"), m_maxRpm);
    addPositionRows(form);
    layout->addLayout(form);
    layout->addStretch();
    connect(m_maxRpm, &QLineEdit::editingFinished, this, &CMotorTagDialog::takeMaxRpm);
    return layout;
}

void CMotorTagDialog::takeMaxRpm()
{
    if (refreshing() || !m_maxRpm->isModified())
        return;
    m_maxRpm->setModified(false);
    bool taken = false;
    edit([&] { taken = m_presenter.SetMaxRpmText(m_maxRpm->text().trimmed().toStdString()); });
    if (taken)
        return;
    // Refused: the stored value is back (refreshed); the edit keeps the focus with it selected.
    QTimer::singleShot(0, m_maxRpm, [edit = m_maxRpm] {
        edit->setFocus();
        edit->selectAll();
    });
}

void CMotorTagDialog::refresh()
{
    const core::CMotorTagDlg &p = m_presenter;
    refreshPosition();
    m_count->setCurrentIndex(m_count->findData(int(p.ImageCount())));
    m_direction->setCurrentIndex(m_direction->findData(int(p.Direction())));
    for (std::size_t slot = 0; slot < m_images.size(); ++slot) {
        m_images[slot]->setImage(p.Image(slot));
        m_images[slot]->setEnabled(canChooseImages() && p.ImageEnabled(slot));
    }
    m_enlarge->setChecked(p.IsEnlarged());
    m_inverse->setChecked(p.IsInverse());
    m_maxRpm->setText(QString::fromStdString(p.MaxRpmText()));
    m_point->refresh();
}

} // namespace ui
