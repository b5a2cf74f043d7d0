#include "ui/dialogs/image_lib_add_dialog.h"

#include "ui/dialogs/mono_image.h"

#include "core/presenters/image_lib_dlg.h"

#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ui {

namespace {

CImageLibAddDialog::FileChooser &fileChooser()
{
    static CImageLibAddDialog::FileChooser chooser;
    return chooser;
}

QString chooseBitmapFile(QWidget *parent, const QString &start)
{
    if (const auto &chooser = fileChooser())
        return chooser(parent, start);
    return QFileDialog::getOpenFileName(parent, QString(), start,
                                        QStringLiteral("Bitmap Files(*.BMP *.bmp);;All Files (*)"));
}

} // namespace

void CImageLibAddDialog::setFileChooser(FileChooser chooser)
{
    fileChooser() = std::move(chooser);
}

CImageLibAddDialog::CImageLibAddDialog(const core::CImageLibDlg &library, QWidget *parent)
    : CPresenterDialog(parent)
    , m_presenter(library.MakeAddDialog(prompt()))
{
    setWindowTitle(tr("새 이미지 추가"));
    build();
    refreshView();
}

void CImageLibAddDialog::build()
{
    auto *grid = new QGridLayout;
    m_number = new QSpinBox(this);
    m_number->setRange(0, int(m_presenter.Count()) - 1);
    auto *numberLabel = new QLabel(tr("ID :"), this);
    numberLabel->setBuddy(m_number);
    grid->addWidget(numberLabel, 0, 0);
    grid->addWidget(m_number, 0, 1);

    m_file = new QLineEdit(this);
    m_file->setMinimumWidth(260);
    auto *fileLabel = new QLabel(tr("파일명 :"), this);
    fileLabel->setBuddy(m_file);
    m_browse = new QPushButton(tr("찾아보기..."), this);
    m_browse->setAutoDefault(false);
    grid->addWidget(fileLabel, 1, 0);
    grid->addWidget(m_file, 1, 1);
    grid->addWidget(m_browse, 1, 2);

    auto *sizeLabel = new QLabel(tr("크기 (폭 x 높이) : "), this);
    m_size = new QLabel(this);
    sizeLabel->setBuddy(m_size);
    m_size->setAccessibleName(sizeLabel->text());
    grid->addWidget(sizeLabel, 2, 0);
    grid->addWidget(m_size, 2, 1);

    m_picture = new QLabel(this);
    m_picture->setFrameShape(QFrame::Box);
    m_picture->setAlignment(Qt::AlignCenter);
    // The largest image the panel shows, at its own size.
    m_picture->setMinimumSize(core::CImageLibAddDlg::kMaxWidth + 4,
                              core::CImageLibAddDlg::kMaxHeight + 4);
    m_picture->setAccessibleName(tr("미리보기(&P)").remove(QLatin1Char('&')));
    m_preview = new QPushButton(tr("미리보기(&P)"), this);
    m_preview->setAutoDefault(false);
    auto *previewRow = new QHBoxLayout;
    previewRow->addWidget(m_picture, 1);
    previewRow->addWidget(m_preview, 0, Qt::AlignTop);

    auto *layout = new QVBoxLayout;
    layout->addLayout(grid);
    layout->addLayout(previewRow);
    setContent(layout);
    setTabOrder(m_number, m_file);
    setTabOrder(m_file, m_browse);
    setTabOrder(m_browse, m_preview);

    connect(m_number, &QSpinBox::valueChanged, this,
            [this](int n) { forward([&] { m_presenter.SetNumber(n); }); });
    connect(m_file, &QLineEdit::textEdited, this,
            [this](const QString &text) { m_presenter.SetFile(text.toStdString()); });
    connect(m_browse, &QPushButton::clicked, this, &CImageLibAddDialog::browse);
    connect(m_preview, &QPushButton::clicked, this, [this] {
        forward([&] {
            m_presenter.SetFile(m_file->text().toStdString());
            m_presenter.Preview();
        });
    });
}

void CImageLibAddDialog::browse()
{
    const QString path = chooseBitmapFile(this, QString::fromStdString(m_presenter.BrowseStart()));
    if (path.isEmpty())
        return;
    forward([&] { m_presenter.Browsed(path.toStdString()); });
}

void CImageLibAddDialog::refresh()
{
    m_number->setValue(int(m_presenter.Number()));
    const QString file = QString::fromStdString(m_presenter.File());
    if (m_file->text() != file)
        m_file->setText(file);
    m_size->setText(QString::fromStdString(m_presenter.SizeText()));
    const util::CMonoBitmap &bitmap = m_presenter.Bitmap();
    if (bitmap.isNull())
        m_picture->clear();
    else
        m_picture->setPixmap(QPixmap::fromImage(monoBitmapImage(bitmap)));
}

bool CImageLibAddDialog::acceptChanges()
{
    m_presenter.SetFile(m_file->text().toStdString());
    return m_presenter.Ok();
}

} // namespace ui
