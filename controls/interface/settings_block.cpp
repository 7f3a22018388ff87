#include "settings_block.h"
#include "byte_reader.h"

namespace qv::settings
{

bool readBlock(std::span<const std::byte> bytes, Block &out, QString &error)
{
    ByteReader r(bytes);
    std::uint32_t marker = 0, version = 0, x = 0, y = 0;
    if (!r.u32(marker) || !r.u32(version) || !r.u32(x) || !r.u32(y)) {
        error = QStringLiteral("the block is %1 bytes long, shorter than its 16-byte head").arg(bytes.size());
        return false;
    }
    if (marker != blockMarker) {
        error = QStringLiteral("the block starts with 0x%1, not the marker 0x12344321")
                    .arg(marker, 8, 16, QLatin1Char('0'));
        return false;
    }
    if (version != blockHeadVersion) {
        error = QStringLiteral("the block's head gives %1 where 8 belongs").arg(version);
        return false;
    }
    Block block;
    block.extentX = static_cast<std::int32_t>(x);
    block.extentY = static_cast<std::int32_t>(y);
    if (block.extentX < 0 || block.extentY < 0) {
        error
            = QStringLiteral("the block's extent %1 x %2 is negative").arg(block.extentX).arg(block.extentY);
        return false;
    }
    if (!readPropertyBag(bytes.subspan(blockHeadSize), block.state, error))
        return false;
    out = std::move(block);
    return true;
}

bool readNamedSettings(std::span<const std::byte> bytes, PropertyBag &out, QString &error)
{
    ByteReader r(bytes);
    std::uint32_t marker = 0;
    if (!r.u32(marker)) {
        error = QStringLiteral("the named-settings block is %1 bytes long, too short for its marker")
                    .arg(bytes.size());
        return false;
    }
    if (marker != namedSettingsMarker) {
        error = QStringLiteral("the named-settings block starts with 0x%1, not 0x5445534e")
                    .arg(marker, 8, 16, QLatin1Char('0'));
        return false;
    }
    return readPropertyBag(bytes.subspan(4), out, error);
}

} // namespace qv::settings
