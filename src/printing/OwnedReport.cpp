// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/OwnedReport.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Maker.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <fcntl.h>
#include <string_view>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace numislot::printing {

namespace {

constexpr std::string_view LineBreak = "\r\n";
constexpr std::string_view Indent = "             "; // 13 blanks

struct Mark
{
    std::string_view owned;
    std::string_view notOwned;
};

// The blanks are part of the marks; they do not line up from one line to the next, by design.
constexpr std::array<Mark, catalogue::DenominationCount> marks { {
    { "             2€  ", "             -- " },
    { "1€  ", "-- " },
    { "50c€  ", "-- " },
    { "20c€  ", "-- " },
    { "10c€  ", "-- " },
    { "5c€  ", "-- " },
    { "2c€  ", "-- " },
    { "1c€", "-- " },
} };

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

qsizetype codePointCount(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++count) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    return count;
}

// Windows-1252 through the library converter, one byte per character. A character it cannot hold
// becomes one '?' (ICU would put the control byte SUB there, or drop a lone surrogate at the end
// of the text), and so does a line break, so that a caption taken from a file name cannot add
// lines to the report.
QByteArray toWindows1252(const QString& text)
{
    // Stateless, so that a lone surrogate is never held over to the next call.
    QStringEncoder encoder(ReportEncoding, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError() && bytes.size() == codePointCount(text) && !text.contains(u'\r') && !text.contains(u'\n'))
        return bytes;

    // Character by character, each one kept only when it comes back unchanged: the ICU encoder
    // keeps its error flag across resetState(), so the flag cannot tell which one failed.
    QStringDecoder decoder(ReportEncoding, QStringConverter::Flag::Stateless);
    bytes.clear();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length
            = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QStringView codePoint = QStringView(text).mid(i, length);
        i += length;
        const QByteArray encoded = encoder.encode(codePoint);
        const bool kept = codePoint != u"\r" && codePoint != u"\n" && encoded.size() == 1
            && QString(decoder.decode(encoded)) == codePoint;
        bytes.append(kept ? encoded : QByteArray(1, '?'));
    }
    return bytes;
}

QByteArray toWindows1252(std::string_view utf8)
{
    return toWindows1252(fromUtf8(utf8));
}

// The fixed pieces, converted once.
struct Pieces
{
    std::array<QByteArray, catalogue::IssuerCount> names;
    std::array<QByteArray, catalogue::DenominationCount> owned;
    std::array<QByteArray, catalogue::DenominationCount> notOwned;
    QByteArray countPrefix = toWindows1252(u"Je possède donc "_s);
    QByteArray countSuffix = toWindows1252(u" €uros sur 128"_s);
    QByteArray footer = toWindows1252(
        u"Réalisé par "_s + fromUtf8(catalogue::MakerName) + u" - contact : "_s + fromUtf8(catalogue::ContactAddress));

    Pieces()
    {
        for (int issuer = 0; issuer < catalogue::IssuerCount; ++issuer)
            names[issuer] = toWindows1252(catalogue::issuers[issuer].name);
        for (int denomination = 0; denomination < catalogue::DenominationCount; ++denomination) {
            owned[denomination] = toWindows1252(marks[denomination].owned);
            notOwned[denomination] = toWindows1252(marks[denomination].notOwned);
        }
    }
};

const Pieces& pieces()
{
    static const Pieces converted;
    return converted;
}

void appendLineBreak(QByteArray& out)
{
    out.append(LineBreak.data(), qsizetype(LineBreak.size()));
}

} // namespace

QByteArray reportFooter()
{
    return pieces().footer;
}

QByteArray ownedReport(const collection::Ownership& ownership, const QString& caption, const QString& countText)
{
    const Pieces& fixed = pieces();
    QByteArray out;
    out.reserve(2048);
    out.append(toWindows1252(caption));
    appendLineBreak(out);
    appendLineBreak(out);

    for (int row = 0; row < catalogue::IssuerCount; ++row) {
        const int issuer = catalogue::issuerAtRow(row);
        out.append(Indent.data(), qsizetype(Indent.size()));
        out.append(fixed.names[issuer]);
        out.append(" : ");
        for (int denomination = 0; denomination < catalogue::DenominationCount; ++denomination) {
            const bool owned = collection::isOwned(ownership, catalogue::slotOf(issuer, denomination));
            out.append(owned ? fixed.owned[denomination] : fixed.notOwned[denomination]);
        }
        appendLineBreak(out);
        appendLineBreak(out);
    }

    out.append(fixed.countPrefix);
    out.append(toWindows1252(countText));
    out.append(fixed.countSuffix);
    appendLineBreak(out);
    appendLineBreak(out);
    out.append(fixed.footer);
    return out;
}

bool writeOwnedReport(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty())
        return false;
    // Whatever stands at the name goes first and the report is a new file of its own: a link planted
    // there is never followed, a pipe never waited on, a second name of another file never written
    // through. Should something come back in between, the exclusive creation fails and no report is made.
    const QByteArray name = QFile::encodeName(path);
    ::unlink(name.constData());
    const int descriptor = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return false;
    QFile file;
    if (!file.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return false;
    }
    return file.write(bytes) == bytes.size() && file.flush();
}

} // namespace numislot::printing
