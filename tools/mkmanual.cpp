// mkmanual renders the manual's Markdown pages into one HTML file for the Help menu: the index
// page first, then the pages in the order the index links them, then any page it does not link.
// Links between pages become links within the file, and pictures point to the folder the build
// drew them into (one folder per interface language, whichever language the page names).
//
// Usage: mkmanual PAGES_DIR PICTURE_DIR OUT.html
// PICTURE_DIR is written into the page as it is given, relative to OUT.html's folder.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFragment>
#include <QUrl>

#include <cstdio>
#include <vector>

namespace {

QString anchorOf(const QString &page)
{
    return QStringLiteral("page-") + QFileInfo(page).completeBaseName();
}

// The pages in reading order: the index, then its links, then the rest by name.
QStringList readingOrder(const QDir &dir)
{
    QStringList pages{QStringLiteral("README.md")};
    QFile index(dir.filePath(pages.front()));
    if (index.open(QIODevice::ReadOnly)) {
        const QString text = QString::fromUtf8(index.readAll());
        static const QRegularExpression link(QStringLiteral(R"(\]\(([A-Za-z0-9_-]+\.md)\))"));
        for (auto it = link.globalMatch(text); it.hasNext();) {
            const QString page = it.next().captured(1);
            if (!pages.contains(page) && dir.exists(page))
                pages << page;
        }
    }
    for (const QString &page : dir.entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name))
        if (!pages.contains(page))
            pages << page;
    return pages;
}

// Links to other pages (`pages`) jump within the file; pictures come from the language's folder.
void rewriteLinks(QTextDocument &doc, const QStringList &pages, const QString &pictureDir)
{
    struct Change
    {
        int position, length;
        QTextCharFormat format;
    };
    static const QRegularExpression pageLink(QStringLiteral(R"(^([A-Za-z0-9_-]+\.md)(#.*)?$)"));
    // A page may name a language's own pictures (pictures/en/X.png): every language shows its own.
    static const QRegularExpression picture(
            QStringLiteral(R"(^pictures/(?:[a-z][a-z]/)?([^/]+\.png)$)"));
    std::vector<Change> changes; // applied after the walk, which they would disturb
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                QTextImageFormat image = format.toImageFormat();
                const auto match = picture.match(image.name());
                if (!match.hasMatch())
                    continue;
                image.setName(pictureDir + QLatin1Char('/') + match.captured(1));
                changes.push_back({fragment.position(), fragment.length(), image});
            } else if (format.isAnchor()) {
                const QString href = format.anchorHref();
                if (const auto match = pageLink.match(href);
                    match.hasMatch() && pages.contains(match.captured(1))) {
                    format.setAnchorHref(QLatin1Char('#') + anchorOf(match.captured(1)));
                } else if (QUrl(href).isRelative() && !href.startsWith(QLatin1Char('#'))) {
                    // A file beside the manual that the program folder does not hold: the
                    // words stay, the link that would lead nowhere goes.
                    format.setAnchor(false);
                    format.setAnchorHref(QString());
                    format.clearForeground();
                    format.setFontUnderline(false);
                } else {
                    continue;
                }
                changes.push_back({fragment.position(), fragment.length(), format});
            }
        }
    }
    for (const Change &change : changes) {
        QTextCursor cursor(&doc);
        cursor.setPosition(change.position);
        cursor.setPosition(change.position + change.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(change.format);
    }
}

// The page's HTML body, led by the anchor its links jump to.
QString pageHtml(const QDir &dir, const QStringList &pages, const QString &page,
                 const QString &pictureDir, bool &ok)
{
    QFile file(dir.filePath(page));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "mkmanual: cannot read %s\n", qPrintable(file.fileName()));
        ok = false;
        return {};
    }
    QTextDocument doc;
    doc.setMarkdown(QString::fromUtf8(file.readAll()));
    rewriteLinks(doc, pages, pictureDir);
    const QString html = doc.toHtml();
    const qsizetype open = html.indexOf(QLatin1Char('>'), html.indexOf(QLatin1String("<body")));
    const qsizetype close = html.lastIndexOf(QLatin1String("</body>"));
    if (open < 0 || close < open) {
        ok = false;
        return {};
    }
    return QStringLiteral("<a name=\"%1\"></a>\n").arg(anchorOf(page))
            + html.mid(open + 1, close - open - 1);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: mkmanual PAGES_DIR PICTURE_DIR OUT.html\n");
        return 2;
    }
    const QDir dir(args[1]);
    QString body;
    bool ok = true;
    const QStringList pages = readingOrder(dir);
    for (const QString &page : pages) {
        if (!body.isEmpty())
            body += QStringLiteral("\n<hr />\n");
        body += pageHtml(dir, pages, page, args[2], ok);
    }
    QFile out(args[3]);
    if (!ok || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "mkmanual: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    out.write(QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\" />"
                             "<title>Dorvane</title></head>\n<body>\n%1\n</body></html>\n")
                      .arg(body)
                      .toUtf8());
    return out.error() == QFileDevice::NoError ? 0 : 1;
}
