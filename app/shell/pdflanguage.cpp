#include "app/shell/pdflanguage.h"

#include <QFile>
#include <QRegularExpression>
#include <optional>

namespace {

// A cross-reference entry is 20 bytes: offset, generation, type, end of line.
constexpr qsizetype kXrefEntry = 20;

// The offset of object nObject by the cross-reference table at nXref; -1 when it lists none.
qint64 ObjectOffset(const QString& text, qsizetype nXref, qint64 nObject)
{
    static const QRegularExpression section(QStringLiteral("\\s*(\\d+) (\\d+)[ \\t]*\\r?\\n"));
    if (text.mid(nXref, 4) != QLatin1String("xref")) return -1;
    qsizetype pos = nXref + 4;
    for (;;) {
        const QRegularExpressionMatch m =
            section.match(text, pos, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        if (!m.hasMatch()) return -1;
        const qint64 first = m.captured(1).toLongLong();
        const qint64 count = m.captured(2).toLongLong();
        pos = m.capturedEnd();
        if (nObject >= first && nObject < first + count) {
            const QString entry = text.mid(pos + (nObject - first) * kXrefEntry, 18);
            return entry.endsWith(QLatin1Char('n')) ? entry.left(10).toLongLong() : -1;
        }
        pos += count * kXrefEntry;
    }
}

// The update that gives the catalog the language; none when the file has no
// plain trailer and table or its catalog names a language.
std::optional<QByteArray> LanguageUpdate(const QByteArray& pdf, const QByteArray& lang)
{
    const QString text = QString::fromLatin1(pdf);
    static const QRegularExpression end(QStringLiteral("startxref\\s+(\\d+)\\s+%%EOF\\s*$"));
    const QRegularExpressionMatch tail = end.match(text);
    const qsizetype trailerAt = text.lastIndexOf(QLatin1String("trailer"), tail.capturedStart());
    if (!tail.hasMatch() || trailerAt < 0) return std::nullopt;
    QString trailer = text.mid(trailerAt + 7, tail.capturedStart() - trailerAt - 7).trimmed();
    static const QRegularExpression root(QStringLiteral("/Root\\s+(\\d+)\\s+(\\d+)\\s+R"));
    const QRegularExpressionMatch rootRef = root.match(trailer);
    if (!rootRef.hasMatch() || !trailer.startsWith(QLatin1String("<<")) || !trailer.endsWith(QLatin1String(">>")))
        return std::nullopt;

    const qint64 nObject = rootRef.captured(1).toLongLong();
    const qint64 offset = ObjectOffset(text, tail.captured(1).toLongLong(), nObject);
    const QRegularExpression definition(QStringLiteral("%1\\s+%2\\s+obj\\s*(<<.*?>>)\\s*endobj")
                                            .arg(nObject)
                                            .arg(rootRef.captured(2)),
                                        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch catalog =
        offset < 0 ? QRegularExpressionMatch()
                   : definition.match(text, offset, QRegularExpression::NormalMatch,
                                  QRegularExpression::AnchorAtOffsetMatchOption);
    if (!catalog.hasMatch() || catalog.captured(1).contains(QLatin1String("/Lang"))) return std::nullopt;

    // The catalog again with the language, a table of it alone, and the old
    // trailer pointing back at the table before.
    const QByteArray object = rootRef.captured(1).toLatin1() + ' ' + rootRef.captured(2).toLatin1();
    const QByteArray entry = QStringLiteral("%1 %2 n \n")
                                 .arg(pdf.size() + 1, 10, 10, QLatin1Char('0'))
                                 .arg(rootRef.captured(2).toInt(), 5, 10, QLatin1Char('0'))
                                 .toLatin1();
    QByteArray update = "\n" + object + " obj\n" + catalog.captured(1).chopped(2).toLatin1() + "/Lang (" + lang +
                        ")\n>>\nendobj\n";
    const qsizetype xrefAt = pdf.size() + update.size();
    trailer.remove(QRegularExpression(QStringLiteral("/Prev\\s+\\d+")));
    trailer.chop(2);
    update += "xref\n" + rootRef.captured(1).toLatin1() + " 1\n" + entry + "trailer\n" + trailer.toLatin1() +
              "/Prev " + tail.captured(1).toLatin1() + "\n>>\nstartxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n";
    return update;
}

} // namespace

bool AddPdfLanguage(const QString& strPath, const QByteArray& lang)
{
    QFile file(strPath);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) return false;
    const std::optional<QByteArray> update = LanguageUpdate(file.readAll(), lang);
    if (!update) return file.error() == QFileDevice::NoError;
    return file.write(*update) == update->size() && file.flush();
}
