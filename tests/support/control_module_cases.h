#pragma once
// What the tests of the control library modules share: blocks built for a control, the common malformed
// blocks, the checks on what every caller of a module relies on, and the data-driven rows of saved states
// and malformed blocks with the tests' names and printouts.

#include "controls/interface/settings_block.h"
#include "support/control_module.h"
#include "support/named_rows.h"

#include <QVariant>
#include <QWidget>
#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <utility>
#include <vector>

namespace qv::test
{

using settings::Property;
using Bytes = std::vector<std::byte>;

// A CLSID no module has: every module refuses it.
inline constexpr QStringView unknownClass = u"{00000000-0000-0000-0000-000000000000}";

// A saved state that holds nothing: every property takes its default.
inline constexpr std::array<Property, 0> noState {};

// ---- Blocks

// The bytes of a block, owned, so a row can hold a block made at compile time or at run time alike.
inline Bytes bytesOf(std::span<const std::byte> block)
{
    return { block.begin(), block.end() };
}

// Blocks of one length and extents: a control's blocks in a test differ only in their saved state.
template<std::size_t N> struct BlockBuilder {
    std::int32_t extentX;
    std::int32_t extentY;

    template<std::size_t P> Bytes operator()(const std::array<Property, P> &state) const
    {
        return bytesOf(settings::makeBlock<N>(extentX, extentY, state));
    }
};

// A block as a form stores it for an invisible instance: the design-time icon's size, then the state.
inline constexpr BlockBuilder<256> iconBlock(std::int32_t iconSize)
{
    return { iconSize, iconSize };
}

// ---- Common malformed blocks

// The block with a byte of its marker (the first, unless told) spoilt.
inline Bytes withWrongMarker(std::span<const std::byte> block, std::size_t markerByte = 0)
{
    Bytes spoilt = bytesOf(block);
    spoilt.at(markerByte) = std::byte { 0 };
    return spoilt;
}

// The first bytes of a block: a block cut short inside its head or inside its saved state.
inline Bytes cutTo(std::span<const std::byte> block, std::size_t length)
{
    return bytesOf(block.first(length));
}

// Zero bytes, fewer than a head holds: a block cut short inside its head.
inline Bytes headCutShort(std::size_t length)
{
    return Bytes(length);
}

// ---- What every caller of a module relies on

// The object the module made as a T, a child of the container; null, with the test failed, when it is not.
template<class T = QObject> T *madeChild(const ControlLibrary::Creation &made, const QWidget &container)
{
    if (!made.object) {
        ADD_FAILURE() << "nothing made: " << qPrintable(made.error);
        return nullptr;
    }
    T *object = qobject_cast<T *>(made.object);
    if (!object) {
        ADD_FAILURE() << "made a " << made.object->metaObject()->className() << ", not a "
                      << T::staticMetaObject.className();
        return nullptr;
    }
    EXPECT_EQ(made.object->parent(), &container);
    return object;
}

// A refusal as a caller sees it: no object, a message naming the fault, and nothing left in the container.
inline ::testing::AssertionResult isRefused(const ControlLibrary::Creation &made, const QWidget &container,
                                            const char *fault)
{
    if (made.object)
        return ::testing::AssertionFailure()
            << "made a " << made.object->metaObject()->className() << " instead";
    if (!made.error.contains(QLatin1String(fault)))
        return ::testing::AssertionFailure()
            << "the message \"" << qPrintable(made.error) << "\" does not name \"" << fault << '"';
    if (!container.children().isEmpty())
        return ::testing::AssertionFailure()
            << container.children().size() << " object(s) left in the container";
    return ::testing::AssertionSuccess();
}

// ---- Data-driven rows

// A block the module must refuse, and a part of the message it must give. The rows take any bytes, so a
// block made at compile time, a spoilt one and a cut one stand in a list alike.
struct MalformedBlock {
    MalformedBlock(const char *caseName, QStringView classId, std::span<const std::byte> bytes,
                   const char *faultNamed)
        : name(caseName)
        , clsid(classId)
        , block(bytesOf(bytes))
        , fault(faultNamed)
    {
    }

    const char *name;
    QStringView clsid;
    Bytes block;
    const char *fault;
};

using MalformedBlockTest = ::testing::TestWithParam<MalformedBlock>;

// Makes the row's class from its block through the module "<stem>.so", which must refuse it.
inline void expectRefused(const char *stem, const MalformedBlock &row)
{
    QWidget container;
    EXPECT_TRUE(isRefused(create(stem, row.clsid, row.block, container), container, row.fault));
}

// An invisible class made from a block, and properties the object holds for the saved state.
struct InvisibleObject {
    InvisibleObject(const char *caseName, QStringView classId, std::span<const std::byte> bytes,
                    std::vector<std::pair<const char *, QVariant>> held)
        : name(caseName)
        , clsid(classId)
        , block(bytesOf(bytes))
        , properties(std::move(held))
    {
    }

    const char *name;
    QStringView clsid;
    Bytes block;
    std::vector<std::pair<const char *, QVariant>> properties;
};

using InvisibleObjectTest = ::testing::TestWithParam<InvisibleObject>;

// An invisible class is a plain object, never a widget, that goes away with the container.
inline void expectHoldsItsSavedState(const char *stem, const InvisibleObject &row)
{
    QWidget container;
    const QObject *object = madeChild(create(stem, row.clsid, row.block, container), container);
    ASSERT_NE(object, nullptr);
    EXPECT_FALSE(object->isWidgetType());
    for (const auto &[property, expected] : row.properties) {
        const QVariant actual = object->property(property);
        EXPECT_EQ(actual, expected) << property << " is " << qPrintable(actual.toString());
    }
}

} // namespace qv::test
