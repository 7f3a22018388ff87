#include "settings_block.h"
#include "byte_reader.h"

namespace qv::settings
{

Outcome<Block> readBlock(std::span<const std::byte> bytes)
{
    ByteReader r(bytes);
    std::uint32_t marker = 0, version = 0, x = 0, y = 0;
    if (!r.u32(marker) || !r.u32(version) || !r.u32(x) || !r.u32(y))
        return badSettings(
            QStringLiteral("the block is %1 bytes long, shorter than its 16-byte head").arg(bytes.size()));
    if (marker != blockMarker)
        return badSettings(QStringLiteral("the block starts with 0x%1, not the marker 0x12344321")
                               .arg(marker, 8, 16, QLatin1Char('0')));
    if (version != blockHeadVersion)
        return badSettings(QStringLiteral("the block's head gives %1 where 8 belongs").arg(version));
    Block block;
    block.extentX = static_cast<std::int32_t>(x);
    block.extentY = static_cast<std::int32_t>(y);
    if (block.extentX < 0 || block.extentY < 0)
        return badSettings(
            QStringLiteral("the block's extent %1 x %2 is negative").arg(block.extentX).arg(block.extentY));
    Outcome<PropertyBag> state = readPropertyBag(bytes.subspan(blockHeadSize));
    if (!state)
        return std::move(state).failure();
    block.state = std::move(state).value();
    return block;
}

Outcome<PropertyBag> readNamedSettings(std::span<const std::byte> bytes)
{
    ByteReader r(bytes);
    std::uint32_t marker = 0;
    if (!r.u32(marker))
        return badSettings(
            QStringLiteral("the named-settings block is %1 bytes long, too short for its marker")
                .arg(bytes.size()));
    if (marker != namedSettingsMarker)
        return badSettings(QStringLiteral("the named-settings block starts with 0x%1, not 0x5445534e")
                               .arg(marker, 8, 16, QLatin1Char('0')));
    return readPropertyBag(bytes.subspan(4));
}

} // namespace qv::settings
