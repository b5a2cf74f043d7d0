#include "ui/tags/bmp_text_tag_dialog.h"

#include "ui/common/message_box.h"

#include "util/message_ids.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// Sizes in the font dialog are points; the panel's are pixels, taken at the 96 dpi the font
// dialog of the original system used.
constexpr double kPointsPerPixel = 72.0 / 96.0;
// Preview pixels per panel pixel.
constexpr int kPreviewScale = 2;

} // namespace

CBmpTextTagDialog::CBmpTextTagDialog(const TagDialogContext &context, core::CBmpTextTag &tag,
                                     QWidget *parent)
    : CTextLookDialog(context, parent)
    , m_presenter(env(), tag)
    , m_chooseFont([](QWidget *parent, const QFont &initial) -> std::optional<QFont> {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, initial, parent, tr("폰트 선택"),
                                                QFontDialog::ScalableFonts);
        return ok ? std::optional<QFont>(font) : std::nullopt;
    })
{
    setWindowTitle(tr("이미지 텍스트 속성"));
    auto *layout = new QVBoxLayout;
    layout->addWidget(buildTextGroup());
    auto *row = new QHBoxLayout;
    row->addWidget(buildLookGroup());
    row->addWidget(buildDirectionGroup());
    layout->addLayout(row);
    m_chooseFontButton = new QPushButton(tr("폰트 선택(&F)..."), this);
    layout->addWidget(m_chooseFontButton, 0, Qt::AlignLeft);

    auto *previewBox = new QGroupBox(tr("미리보기"), this);
    auto *previewLayout = new QVBoxLayout(previewBox);
    m_preview = new QLabel(previewBox);
    m_preview->setAccessibleName(tr("미리보기"));
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setMinimumSize(core::kPanelWidth * kPreviewScale / 2, 32);
    previewLayout->addWidget(m_preview);
    layout->addWidget(previewBox);
    setContent(layout);

    connect(m_chooseFontButton, &QPushButton::clicked, this, &CBmpTextTagDialog::chooseFont);
    refreshView();
}

QGroupBox *CBmpTextTagDialog::buildDirectionGroup()
{
    auto *box = new QGroupBox(tr("표시방향"), this);
    auto *layout = new QVBoxLayout(box);
    m_direction = new QButtonGroup(this);
    for (const std::int32_t escapement : core::CBmpTextTagDlg::kDirections) {
        auto *radio = new QRadioButton(QStringLiteral("&%1°").arg(escapement / 10), box);
        m_direction->addButton(radio, escapement);
        layout->addWidget(radio);
    }
    connect(m_direction, &QButtonGroup::idClicked, this,
            [this](int id) { edit([&] { m_presenter.SetDirection(id); }); });
    return box;
}

QFont CBmpTextTagDialog::toQFont(const core::FontChoice &choice)
{
    QFont font(QString::fromStdString(choice.family));
    font.setPointSizeF(choice.pixelHeight * kPointsPerPixel);
    font.setWeight(QFont::Weight(std::clamp(choice.weight, 1, 1000)));
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikeOut);
    return font;
}

core::FontChoice CBmpTextTagDialog::fromQFont(const QFont &font)
{
    core::FontChoice choice;
    // Qt names a family found at several foundries "Family [Foundry]"; fontconfig knows "Family".
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    QString family = font.family();
    // fontconfig's aliases ("Monospace", "Sans Serif") are listed among the families; the
    // renderer wants the installed family they stand for.
    if (QFontDatabase::families().contains(family))
        family = QFontInfo(font).family();
    choice.family = family.remove(foundry).toStdString();
    choice.pixelHeight = font.pixelSize() > 0
            ? font.pixelSize()
            : int(std::lround(font.pointSizeF() / kPointsPerPixel));
    choice.weight = font.weight();
    choice.italic = font.italic();
    choice.underline = font.underline();
    choice.strikeOut = font.strikeOut();
    return choice;
}

void CBmpTextTagDialog::chooseFont()
{
    const std::optional<QFont> font = m_chooseFont(this, toQFont(m_presenter.CurrentFont()));
    if (!font)
        return;
    core::FontResult result = core::FontResult::Unchanged;
    edit([&] { result = m_presenter.ChooseFont(fromQFont(*font)); });
    if (result == core::FontResult::FaceUnusable)
        showMessage(this, util::msg::kFontNotUsable);
}

void CBmpTextTagDialog::refresh()
{
    refreshTextLook();
    if (QAbstractButton *b = m_direction->button(m_presenter.Direction()))
        b->setChecked(true);
    const std::optional<util::CMonoBitmap> bits = m_presenter.Preview();
    if (!bits || bits->isNull()) {
        m_preview->setPixmap(QPixmap());
        return;
    }
    // Black text on white as on the panel; inverted with the inverse flag.
    const bool inverse = m_presenter.IsInverse();
    QImage image(bits->width(), bits->height(), QImage::Format_RGB32);
    for (int y = 0; y < bits->height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < bits->width(); ++x)
            line[x] = bits->pixel(x, y) != inverse ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    m_preview->setPixmap(QPixmap::fromImage(image.scaled(
            image.size() * kPreviewScale, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}

QAbstractButton *CBmpTextTagDialog::directionButton(int escapement) const
{
    return m_direction->button(escapement);
}

} // namespace ui
