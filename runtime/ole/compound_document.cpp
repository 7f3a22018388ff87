#include "runtime/ole/compound_document.h"
#include "runtime/ole/gsf_support.h"

#include <QLoggingCategory>
#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-input-memory.h>

#include <mutex>

namespace qv::ole
{

namespace
{
Q_LOGGING_CATEGORY(lcGsf, "quorvane.ole.gsf", QtWarningMsg)

QString takeMessage(GError *error, const char *fallback)
{
    QString text = QString::fromUtf8(error ? error->message : fallback);
    if (error)
        g_error_free(error);
    return text;
}
} // namespace

void gsf::initialise()
{
    static std::once_flag once;
    std::call_once(once, [] {
        gsf_init();
        g_log_set_handler(
            "libgsf:msole", static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL),
            [](const gchar *, GLogLevelFlags, const gchar *message, gpointer) { qCDebug(lcGsf) << message; },
            nullptr);
    });
}

QString classIdText(const ClassId &id)
{
    const auto b = [&id](std::size_t i) { return std::to_integer<unsigned>(id[i]); };
    const auto hex = [](unsigned v, int digits) {
        return QStringLiteral("%1").arg(v, digits, 16, QLatin1Char('0')).toUpper();
    };
    QString text = QStringLiteral("{%1-%2-%3-")
                       .arg(hex(b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24, 8), hex(b(4) | b(5) << 8, 4),
                            hex(b(6) | b(7) << 8, 4));
    for (std::size_t i = 8; i < 16; ++i) {
        if (i == 10)
            text += QLatin1Char('-');
        text += hex(b(i), 2);
    }
    return text + QLatin1Char('}');
}

QString printableStreamName(std::string_view name)
{
    QString text;
    for (const char c : name) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20)
            text += QStringLiteral("\\%1").arg(code);
        else
            text += QLatin1Char(c);
    }
    return text;
}

struct CompoundDocumentReader::Handles {
    gsf::Ptr<GsfInput> source;
    gsf::Ptr<GsfInfile> document;
};

CompoundDocumentReader::CompoundDocumentReader() = default;
CompoundDocumentReader::~CompoundDocumentReader() = default;

Outcome<> CompoundDocumentReader::open(std::span<const std::byte> document)
{
    gsf::initialise();
    handles_ = std::make_unique<Handles>();
    // A view of the caller's bytes, not a copy: libgsf never writes through it, and does not free it.
    handles_->source.reset(
        gsf_input_memory_new(gsf::bytesOf(document.data()), static_cast<gsf_off_t>(document.size()), FALSE));
    if (!handles_->source)
        return badDocument(
            QStringLiteral("the compound document cannot be opened: libgsf takes no input of %1 bytes")
                .arg(document.size()));
    GError *fault = nullptr;
    handles_->document.reset(gsf_infile_msole_new(handles_->source.get(), &fault));
    if (!handles_->document)
        return badDocument(QStringLiteral("the compound document cannot be opened: %1")
                               .arg(takeMessage(fault, "libgsf gives no reason")));
    if (fault)
        g_error_free(fault);
    return {};
}

Outcome<ClassId> CompoundDocumentReader::rootClass() const
{
    ClassId id {};
    if (!handles_ || !handles_->document
        || !gsf_infile_msole_get_class_id(gsf::as<GsfInfileMSOle>(handles_->document.get()),
                                          reinterpret_cast<guint8 *>(id.data())))
        return badDocument(QStringLiteral("the compound document's root entry gives no class identity"));
    return id;
}

Outcome<std::vector<std::byte>> CompoundDocumentReader::readStream(std::string_view name,
                                                                   std::size_t expectedSize) const
{
    const QString shown = printableStreamName(name);
    if (!handles_ || !handles_->document)
        return badDocument(
            QStringLiteral("the stream %1 cannot be read: the compound document is not open").arg(shown));
    const std::string key(name);
    gsf::Ptr<GsfInput> stream(gsf_infile_child_by_name(handles_->document.get(), key.c_str()));
    if (!stream)
        return badDocument(QStringLiteral("the stream %1 is missing").arg(shown));
    const gsf_off_t size = gsf_input_size(stream.get());
    if (size < 0 || static_cast<std::size_t>(size) != expectedSize)
        return badDocument(
            QStringLiteral("the stream %1 is %2 bytes long, not %3").arg(shown).arg(size).arg(expectedSize));
    std::vector<std::byte> bytes(expectedSize, std::byte { 0 });
    if (expectedSize > 0
        && !gsf_input_read(stream.get(), expectedSize, reinterpret_cast<guint8 *>(bytes.data())))
        return badDocument(
            QStringLiteral("the stream %1 cannot be read: its sectors are damaged or missing").arg(shown));
    return bytes;
}

} // namespace qv::ole
