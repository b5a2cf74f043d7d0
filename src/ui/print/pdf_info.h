#pragma once

// The document information dictionary (title, subject, creator, ...) of a PDF that QPdfWriter has
// finished. The writer of this Qt sets a title and a creator but no subject, so the dictionary is
// replaced by an incremental update: a new revision of it, a cross-reference section for it and
// a trailer pointing back to the previous one are appended. Readers take the last revision; the
// bytes written before stay exactly as they were.

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace ui {

struct PdfInfo
{
    QString title;
    QString subject;
    QString creator;
    QString producer;
    QDateTime created;
};

// Appends the update to `pdf`, which must end as QPdfWriter ends a file: a classic
// cross-reference table, a trailer naming the information dictionary, "startxref" and "%%EOF".
// False, with `pdf` unchanged, for anything else (such as a cross-reference stream or an
// encrypted file).
bool appendPdfInfo(QByteArray &pdf, const PdfInfo &info);

} // namespace ui
