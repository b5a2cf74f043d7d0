#include "ui/print/pdf_info.h"

#include <QRegularExpression>

#include <optional>

namespace ui {

namespace {

// What the update needs of the file's last trailer.
struct Trailer
{
    QByteArray size;
    QByteArray root;
    QByteArray info;
    QByteArray id; // "/ID [...]" when the file has one: an update repeats it
    QByteArray xref; // offset of the cross-reference table the update follows
};

QByteArray captured(const QByteArray &dict, const QString &pattern)
{
    const auto m = QRegularExpression(pattern).match(QString::fromLatin1(dict));
    return m.hasMatch() ? m.captured(1).toLatin1() : QByteArray();
}

std::optional<Trailer> lastTrailer(const QByteArray &pdf)
{
    const qsizetype at = pdf.lastIndexOf("trailer");
    if (at < 0)
        return std::nullopt;
    static const QRegularExpression tail(
            QStringLiteral("^trailer\\s*<<(.*)>>\\s*startxref\\s+(\\d+)\\s+%%EOF\\s*$"),
            QRegularExpression::DotMatchesEverythingOption);
    const auto m = tail.match(QString::fromLatin1(pdf.mid(at)));
    if (!m.hasMatch())
        return std::nullopt;
    const QByteArray dict = m.captured(1).toLatin1();
    Trailer t{captured(dict, QStringLiteral("/Size\\s+(\\d+)")),
              captured(dict, QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)")),
              captured(dict, QStringLiteral("/Info\\s+(\\d+)\\s+0\\s+R")),
              captured(dict, QStringLiteral("(/ID\\s*\\[[^\\]]*\\])")), m.captured(2).toLatin1()};
    // Strings of an encrypted file would need its key; a cross-reference stream is another form.
    const bool plainTable = pdf.mid(t.xref.toLongLong(), 4) == "xref";
    if (t.size.isEmpty() || t.root.isEmpty() || t.info.isEmpty() || !plainTable
        || dict.contains("/Encrypt"))
        return std::nullopt;
    return t;
}

// A text string: UTF-16BE behind its byte-order mark, in hex so that no byte needs escaping.
QByteArray textString(const QString &text)
{
    QByteArray utf16("\xfe\xff", 2);
    for (const QChar c : text) {
        utf16.append(char(c.unicode() >> 8));
        utf16.append(char(c.unicode() & 0xff));
    }
    return '<' + utf16.toHex().toUpper() + '>';
}

QByteArray dateString(const QDateTime &time)
{
    return "(D:" + time.toUTC().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z)";
}

} // namespace

bool appendPdfInfo(QByteArray &pdf, const PdfInfo &info)
{
    const std::optional<Trailer> t = lastTrailer(pdf);
    if (!t)
        return false;
    QByteArray update = pdf.endsWith('\n') ? QByteArray() : QByteArray("\n");
    const qsizetype object = pdf.size() + update.size();
    update += t->info + " 0 obj\n<<\n/Title " + textString(info.title) + "\n/Subject "
            + textString(info.subject) + "\n/Creator " + textString(info.creator) + "\n/Producer "
            + textString(info.producer) + "\n/CreationDate " + dateString(info.created)
            + "\n>>\nendobj\n";
    const qsizetype xref = pdf.size() + update.size();
    // Each entry of the table is exactly 20 bytes: offset, generation, "n", blank, line feed.
    update += "xref\n" + t->info + " 1\n" + QByteArray::number(object).rightJustified(10, '0')
            + " 00000 n \n";
    update += "trailer\n<<\n/Size " + t->size + "\n/Root " + t->root + "\n/Info " + t->info
            + " 0 R\n/Prev " + t->xref + (t->id.isEmpty() ? QByteArray() : "\n" + t->id)
            + "\n>>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    pdf += update;
    return true;
}

} // namespace ui
