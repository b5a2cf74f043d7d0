#include "ui/help/about_dialog.h"

#include "core/app/app_config.h"
#include "core/app/help_info.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

QString nativePath(const std::string &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QString::fromStdString(path)));
}

} // namespace

CAboutDialog::CAboutDialog(const core::CAppConfig &config, const QString &version, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Dorvane 정보"));
    m_version = new QLabel(tr("<b>Dorvane</b> 버전 %1").arg(version.toHtmlEscaped()), this);
    m_version->setTextFormat(Qt::RichText);
    auto *purpose = new QLabel(tr("192x64 단색 운영 패널의 화면 편집기"), this);

    QString folders = tr("프로그램 폴더: %1").arg(nativePath(config.exeDir()));
    if (config.userDir() != config.exeDir())
        folders += QLatin1Char('\n')
                + tr("사용자 데이터 폴더: %1").arg(nativePath(config.userDir()));
    m_folders = new QLabel(folders, this);
    m_folders->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const auto libraries = core::libraryLicences();
    m_licences = new QTableWidget(int(libraries.size()), 3, this);
    m_licences->setObjectName(QStringLiteral("licences"));
    m_licences->setHorizontalHeaderLabels({tr("라이브러리"), tr("라이선스"), tr("사용 프로그램")});
    m_licences->setAccessibleName(tr("사용한 라이브러리"));
    m_licences->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_licences->verticalHeader()->hide();
    m_licences->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_licences->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < int(libraries.size()); ++row) {
        const core::LibraryLicence &library = libraries[std::size_t(row)];
        int column = 0;
        for (const char *text : {library.name, library.licence, library.usedBy})
            m_licences->setItem(row, column++, new QTableWidgetItem(QString::fromUtf8(text)));
    }
    auto *librariesLabel = new QLabel(tr("사용한 라이브러리와 그 라이선스:"), this);
    librariesLabel->setBuddy(m_licences);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_version);
    layout->addWidget(purpose);
    layout->addWidget(m_folders);
    layout->addWidget(librariesLabel);
    layout->addWidget(m_licences, 1);
    layout->addWidget(buttons);
    resize(640, 420);
}

} // namespace ui
