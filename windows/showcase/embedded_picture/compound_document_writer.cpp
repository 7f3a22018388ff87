#include "windows/showcase/embedded_picture/compound_document_writer.h"

// The individual headers, not <gsf/gsf.h>: that one brings in GIO, whose "signals" members collide with Qt's
// keyword of that name.
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <memory>
#include <string>

namespace qv::showcase
{

namespace
{
struct GObjectUnref {
    void operator()(void *object) const { g_object_unref(object); }
};
template<class T> using GsfPtr = std::unique_ptr<T, GObjectUnref>;

// libgsf's types are GObject classes: each instance struct begins with its parent's, so a pointer to one is
// a pointer to the other. libgsf's own cast macros are C casts with a run-time check we do not need.
template<class To, class From> To *as(From *object)
{
    return reinterpret_cast<To *>(object);
}

const guint8 *asGuint8(const std::byte *bytes)
{
    return reinterpret_cast<const guint8 *>(bytes);
}

QString outputFault(GsfOutput *output)
{
    const GError *error = gsf_output_error(output);
    return error ? QString::fromUtf8(error->message) : QStringLiteral("libgsf gives no reason");
}
} // namespace

bool writeCompoundDocument(const ole::ClassId &rootClass, std::span<const NamedStream> streams,
                           std::vector<std::byte> &out, QString &error)
{
    gsf_init(); // libgsf's types; a second call does nothing
    GsfPtr<GsfOutput> sink(gsf_output_memory_new());
    GsfPtr<GsfOutfile> document(gsf_outfile_msole_new_full(sink.get(), 512, 64));
    if (!document) {
        error = QStringLiteral("libgsf cannot start a compound document with 512-byte sectors");
        return false;
    }
    if (!gsf_outfile_msole_set_class_id(as<GsfOutfileMSOle>(document.get()), asGuint8(rootClass.data()))) {
        error = QStringLiteral("libgsf does not take the root class %1").arg(ole::classIdText(rootClass));
        return false;
    }
    for (const NamedStream &stream : streams) {
        const std::string name(stream.name);
        GsfPtr<GsfOutput> child(gsf_outfile_new_child(document.get(), name.c_str(), FALSE));
        if (!child) {
            error = QStringLiteral("libgsf cannot add the stream %1")
                        .arg(ole::printableStreamName(stream.name));
            return false;
        }
        const bool written
            = gsf_output_write(child.get(), stream.bytes.size(), asGuint8(stream.bytes.data()));
        if (!gsf_output_close(child.get()) || !written) {
            error = QStringLiteral("the stream %1 cannot be written: %2")
                        .arg(ole::printableStreamName(stream.name), outputFault(child.get()));
            return false;
        }
    }
    // Closing the document writes its directory and allocation tables, and closes the sink as well.
    if (!gsf_output_close(as<GsfOutput>(document.get()))) {
        error = QStringLiteral("the compound document cannot be finished: %1")
                    .arg(outputFault(as<GsfOutput>(document.get())));
        return false;
    }
    const gsf_off_t size = gsf_output_size(sink.get());
    const guint8 *bytes = gsf_output_memory_get_bytes(as<GsfOutputMemory>(sink.get()));
    if (size < 0 || (size > 0 && !bytes)) {
        error = QStringLiteral("libgsf gives no bytes for the finished compound document");
        return false;
    }
    const auto *first = reinterpret_cast<const std::byte *>(bytes);
    out.assign(first, first + size);
    return true;
}

} // namespace qv::showcase
