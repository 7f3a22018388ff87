#pragma once
// Windows of ActiveX controls built at run time, each control from a stored-settings block made for it: what
// the tests of the library classes through the runtime load.

#include "manifest/manifest.h"
#include <quorvane/form_description.h>
#include <quorvane/settings_block.h>

#include <algorithm>
#include <array>
#include <deque>
#include <vector>

namespace qv::test
{

// A window of controls built at run time, with the storage its records point into.
struct TestLayout {
    std::deque<std::vector<std::byte>> blocks;
    std::vector<ControlRecord> records;
    FormDescription description {
        .name = "Probe", .caption = "Probe", .clientWidth = 13530, .clientHeight = 9855
    };

    void add(std::string_view name, std::string_view progId, Twips left, Twips top, Twips width, Twips height,
             std::vector<std::byte> block)
    {
        blocks.push_back(std::move(block));
        records.push_back(ControlRecord { .name = name,
                                          .cls = ProgId { progId },
                                          .left = left,
                                          .top = top,
                                          .width = width,
                                          .height = height,
                                          .settings = blocks.back() });
        description.controls = records;
    }
};

// A block of its own for each class: empty saved state, so each module shows its defaults.
template<std::size_t P = 0>
std::vector<std::byte> defaultBlock(const manifest::ClassRecord &c, Twips width, Twips height,
                                    const std::array<settings::Property, P> &more = {})
{
    if (c.progId == "ComCtl3.CoolBar") {
        std::array<settings::Property, P + 1> named { settings::Property::integer("_cbwidth", width) };
        std::copy(more.begin(), more.end(), named.begin() + 1);
        const auto b = settings::makeNamedSettings<96>(named);
        return { b.begin(), b.end() };
    }
    const auto b = c.visible
        ? settings::makeBlock<64>(settings::twipsToHimetric(width), settings::twipsToHimetric(height), more)
        : settings::makeBlock<64>(1005, 1005, more);
    return { b.begin(), b.end() };
}

} // namespace qv::test
