// SPDX-License-Identifier: GPL-3.0-or-later
// Any collection and any caption and count texts into the report: the layout must survive them.
// Input: 16 bytes of ownership bits, then the caption and the count text split at the first 0xFF,
// each taken as UTF-16 when the first byte after the bits is odd (lone surrogates and all), else UTF-8.

#include "FuzzCheck.h"
#include "catalogue/Catalogue.h"
#include "printing/OwnedReport.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace catalogue = numislot::catalogue;
namespace collection = numislot::collection;

namespace {

QString text(QByteArrayView bytes, bool utf16)
{
    if (utf16)
        return QString(reinterpret_cast<const QChar*>(bytes.data()), bytes.size() / 2);
    return QString::fromUtf8(bytes);
}

qsizetype codePoints(const QString& text)
{
    qsizetype count = text.size();
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && text.at(i + 1).isLowSurrogate()) {
            --count;
            ++i;
        }
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    collection::Ownership ownership {};
    for (int i = 0; i < catalogue::SlotCount; ++i) {
        const qsizetype byte = i / 8;
        ownership[i] = byte < input.size() && (uint8_t(input[byte]) >> (i % 8)) & 1;
    }
    QByteArrayView rest = input.size() > 16 ? input.sliced(16) : QByteArrayView();
    const bool utf16 = !rest.isEmpty() && (uint8_t(rest[0]) & 1);
    if (!rest.isEmpty())
        rest = rest.sliced(1);
    const qsizetype split = rest.indexOf('\xFF');
    const QString caption = text(split < 0 ? rest : rest.first(split), utf16);
    const QString count = text(split < 0 ? QByteArrayView() : rest.sliced(split + 1), utf16);

    const QByteArray report = numislot::printing::ownedReport(ownership, caption, count);

    // 37 lines, CR LF between them and nowhere else, the footer last.
    NUMISLOT_CHECK(report.endsWith(numislot::printing::reportFooter()));
    NUMISLOT_CHECK(report.count("\r\n") == 36 && report.count('\r') == 36 && report.count('\n') == 36);

    // One byte per character of the caption, whatever it holds.
    const QList<QByteArray> lines = report.split('\n');
    NUMISLOT_CHECK(lines.size() == 37);
    NUMISLOT_CHECK(lines[0].size() == codePoints(caption) + 1);

    // Each issuer line holds its name and one mark per coin, owned exactly as asked.
    int owned = 0;
    for (int row = 0; row < catalogue::IssuerCount; ++row) {
        const QByteArray& line = lines[2 + 2 * row];
        NUMISLOT_CHECK(lines[3 + 2 * row] == "\r");
        NUMISLOT_CHECK(line.startsWith("             "));
        const int issuer = catalogue::issuerAtRow(row);
        int lineOwned = 0;
        for (int d = 0; d < catalogue::DenominationCount; ++d)
            lineOwned += ownership[catalogue::slotOf(issuer, d) - 1];
        NUMISLOT_CHECK(line.count('\x80') == lineOwned);
        NUMISLOT_CHECK(line.count("--") == catalogue::DenominationCount - lineOwned);
        owned += lineOwned;
    }
    NUMISLOT_CHECK(owned == int(std::count(ownership.begin(), ownership.end(), true)));
    return 0;
}
