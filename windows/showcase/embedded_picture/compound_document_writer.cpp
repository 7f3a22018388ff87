#include "windows/showcase/embedded_picture/compound_document_writer.h"

#include "runtime/ole/gsf_support.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-output-memory.h>

#include <string>

namespace qv::showcase
{

namespace
{
using namespace ole;

QString outputFault(GsfOutput *output)
{
    const GError *error = gsf_output_error(output);
    return error ? QString::fromUtf8(error->message) : QStringLiteral("libgsf gives no reason");
}

Failure refused(QString why)
{
    return failure(status::fail, std::move(why));
}
} // namespace

Outcome<std::vector<std::byte>> writeCompoundDocument(const ole::ClassId &rootClass,
                                                      std::span<const NamedStream> streams)
{
    gsf::initialise();
    gsf::Ptr<GsfOutput> sink(gsf_output_memory_new());
    gsf::Ptr<GsfOutfile> document(gsf_outfile_msole_new_full(sink.get(), 512, 64));
    if (!document)
        return refused(QStringLiteral("libgsf cannot start a compound document with 512-byte sectors"));
    if (!gsf_outfile_msole_set_class_id(gsf::as<GsfOutfileMSOle>(document.get()),
                                        gsf::bytesOf(rootClass.data())))
        return refused(QStringLiteral("libgsf does not take the root class %1").arg(classIdText(rootClass)));
    for (const NamedStream &stream : streams) {
        const std::string name(stream.name);
        gsf::Ptr<GsfOutput> child(gsf_outfile_new_child(document.get(), name.c_str(), FALSE));
        if (!child)
            return refused(
                QStringLiteral("libgsf cannot add the stream %1").arg(printableStreamName(stream.name)));
        const bool written
            = gsf_output_write(child.get(), stream.bytes.size(), gsf::bytesOf(stream.bytes.data()));
        if (!gsf_output_close(child.get()) || !written)
            return refused(QStringLiteral("the stream %1 cannot be written: %2")
                               .arg(printableStreamName(stream.name), outputFault(child.get())));
    }
    // Closing the document writes its directory and allocation tables, and closes the sink as well.
    if (!gsf_output_close(gsf::as<GsfOutput>(document.get())))
        return refused(QStringLiteral("the compound document cannot be finished: %1")
                           .arg(outputFault(gsf::as<GsfOutput>(document.get()))));
    const gsf_off_t size = gsf_output_size(sink.get());
    const guint8 *bytes = gsf_output_memory_get_bytes(gsf::as<GsfOutputMemory>(sink.get()));
    if (size < 0 || (size > 0 && !bytes))
        return refused(QStringLiteral("libgsf gives no bytes for the finished compound document"));
    const auto *first = reinterpret_cast<const std::byte *>(bytes);
    return std::vector<std::byte>(first, first + size);
}

} // namespace qv::showcase
