#include "xmlrecordreader.h"

#include <QXmlStreamReader>

#include <utility>

namespace PosLib::XmlRecordReader {

Outcome readStream(const QString& text, QList<Basics::TAttribute>& values)
{
    values.clear();
    QXmlStreamReader reader(text);
    reader.setNamespaceProcessing(false);
    int depth = 0;
    bool root = false;
    bool stopped = false;
    QString key;
    QString value;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            root = true;
            if (depth == 1 && !stopped) {
                key = reader.qualifiedName().toString();
                value.clear();
            }
            ++depth;
            break;
        case QXmlStreamReader::EndElement:
            if (--depth == 1 && !stopped)
                values.append({key, Basics::TVariant(value)});
            break;
        case QXmlStreamReader::Characters:
            if (!reader.isCDATA() && reader.text().trimmed().isEmpty())
                break;
            if (depth == 1)
                stopped = true;
            else if (depth > 1 && !stopped)
                value += reader.text();
            break;
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
        case QXmlStreamReader::EntityReference:
            if (depth == 1)
                stopped = true;
            break;
        default:
            break;
        }
    }
    if (reader.hasError() || !root)
        return Outcome::Failed;
    return stopped ? Outcome::Stopped : Outcome::Complete;
}

namespace {

// Reads the plain form, or gives up at the first thing it does not know.
class PlainReader {
public:
    explicit PlainReader(QStringView text)
        : m_text(text)
    {
    }

    bool read(QList<Basics::TAttribute>& values)
    {
        skip(u"<?xml version=\"1.0\" encoding=\"utf-8\"?>") ||
            skip(u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
        skipSpaces();
        QStringView name;
        if (skip(u"<!DOCTYPE ")) {
            if (!readName(name) || !skip(u">"))
                return false;
            skipSpaces();
        }
        QStringView root;
        if (!skip(u"<") || !readName(root))
            return false;
        if (skip(u"/>"))
            return atEndAfterSpaces();
        if (!skip(u">"))
            return false;
        for (;;) {
            skipSpaces();
            if (skip(u"</"))
                return readName(name) && name == root && skip(u">") && atEndAfterSpaces();
            QString value;
            if (!skip(u"<") || !readName(name))
                return false;
            if (!skip(u"/>")) {
                if (!skip(u">") || !readText(value) || !skip(u"</"))
                    return false;
                QStringView end;
                if (!readName(end) || end != name || !skip(u">"))
                    return false;
            }
            values.append({name.toString(), Basics::TVariant(std::move(value))});
        }
    }

private:
    bool skip(QStringView expected)
    {
        if (!m_text.sliced(m_at).startsWith(expected))
            return false;
        m_at += expected.size();
        return true;
    }

    // XML's own spaces; others (a no-break space ...) are text, which this form has none of here.
    void skipSpaces()
    {
        while (m_at < m_text.size() &&
               (m_text[m_at] == u' ' || m_text[m_at] == u'\n' || m_text[m_at] == u'\t'))
            ++m_at;
    }

    bool atEndAfterSpaces()
    {
        skipSpaces();
        return m_at == m_text.size();
    }

    // ASCII names only: a letter or "_" first, then letters, digits, "_", "-" and ".".
    bool readName(QStringView& name)
    {
        const qsizetype start = m_at;
        while (m_at < m_text.size()) {
            const char16_t c = m_text[m_at].unicode();
            const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
            const bool other = (c >= u'0' && c <= u'9') || c == u'-' || c == u'.';
            if (!letter && !(other && m_at > start))
                break;
            ++m_at;
        }
        name = m_text.sliced(start, m_at - start);
        return !name.isEmpty();
    }

    // The text up to the next "<". Line ends, control characters, surrogates, "]]>" and the
    // entities beyond the five named ones are the stream reader's to judge.
    bool readText(QString& value)
    {
        const qsizetype start = m_at;
        bool entities = false;
        while (m_at < m_text.size() && m_text[m_at] != u'<') {
            const char16_t c = m_text[m_at].unicode();
            if (c < 0x20 && c != u'\t' && c != u'\n')
                return false;
            if ((c >= 0xd800 && c <= 0xdfff) || c >= 0xfffe)
                return false;
            entities |= c == u'&';
            ++m_at;
        }
        if (m_at == m_text.size())
            return false;
        const QStringView raw = m_text.sliced(start, m_at - start);
        if (raw.contains(u"]]>"))
            return false;
        if (raw.trimmed().isEmpty())
            return true; // as the tree: a text of spaces only is no value
        if (!entities) {
            value = raw.toString();
            return true;
        }
        value.reserve(raw.size());
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] != u'&') {
                value += raw[i];
                continue;
            }
            static constexpr std::pair<QStringView, char16_t> named[] = {
                {u"&lt;", u'<'}, {u"&gt;", u'>'}, {u"&amp;", u'&'}, {u"&quot;", u'"'}, {u"&apos;", u'\''}};
            bool known = false;
            for (const auto& [entity, character] : named) {
                if (raw.sliced(i).startsWith(entity)) {
                    value += QChar(character);
                    i += entity.size() - 1;
                    known = true;
                    break;
                }
            }
            if (!known)
                return false;
        }
        return true;
    }

    QStringView m_text;
    qsizetype m_at = 0;
};

} // namespace

bool readPlain(QStringView text, QList<Basics::TAttribute>& values)
{
    values.clear();
    if (PlainReader(text).read(values))
        return true;
    values.clear();
    return false;
}

} // namespace PosLib::XmlRecordReader
