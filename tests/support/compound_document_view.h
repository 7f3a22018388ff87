#pragma once
// A compound document as libgsf itself sees it, independent of the program's reader, and little-endian
// fields read and written by offset: for the tests of the embedded object's document.

#include "runtime/ole/compound_document.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-utils.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace qv::test
{

using Bytes = std::vector<std::byte>;
using Streams = std::map<std::string, Bytes>;

inline const std::string oleName = "\x01Ole";
inline const std::string compObjName = std::string("\x01") + "CompObj";
inline const std::string presentationName = "\x02OlePres000";
inline const std::string nativeName = "\x01Ole10Native";

inline std::uint32_t u32At(const Bytes &b, std::size_t at)
{
    return std::to_integer<std::uint32_t>(b.at(at)) | std::to_integer<std::uint32_t>(b.at(at + 1)) << 8
        | std::to_integer<std::uint32_t>(b.at(at + 2)) << 16
        | std::to_integer<std::uint32_t>(b.at(at + 3)) << 24;
}

inline void putU32(Bytes &b, std::size_t at, std::uint32_t v)
{
    for (std::size_t i = 0; i < 4; ++i)
        b.at(at + i) = static_cast<std::byte>((v >> (8 * i)) & 0xFFu);
}

inline std::string textAt(const Bytes &b, std::size_t at, std::size_t n)
{
    return std::string(reinterpret_cast<const char *>(b.data() + at), n);
}

struct GsfView {
    struct Unref {
        void operator()(void *object) const { g_object_unref(object); }
    };
    std::unique_ptr<GsfInput, Unref> source;
    std::unique_ptr<GsfInfile, Unref> document;

    explicit GsfView(std::span<const std::byte> bytes)
    {
        gsf_init();
        source.reset(gsf_input_memory_new(reinterpret_cast<const guint8 *>(bytes.data()),
                                          static_cast<gsf_off_t>(bytes.size()), FALSE));
        GError *error = nullptr;
        document.reset(gsf_infile_msole_new(source.get(), &error));
        if (error)
            g_error_free(error);
    }
    ole::ClassId rootClass() const
    {
        ole::ClassId id {};
        gsf_infile_msole_get_class_id(reinterpret_cast<GsfInfileMSOle *>(document.get()),
                                      reinterpret_cast<guint8 *>(id.data()));
        return id;
    }
    Streams streams() const
    {
        Streams all;
        for (int i = 0; i < gsf_infile_num_children(document.get()); ++i) {
            std::unique_ptr<GsfInput, Unref> child(gsf_infile_child_by_index(document.get(), i));
            Bytes bytes(static_cast<std::size_t>(gsf_input_size(child.get())));
            gsf_input_read(child.get(), bytes.size(), reinterpret_cast<guint8 *>(bytes.data()));
            all[gsf_infile_name_by_index(document.get(), i)] = bytes;
        }
        return all;
    }
};

} // namespace qv::test
