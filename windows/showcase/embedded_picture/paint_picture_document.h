#pragma once
// The showcase window's embedded object as stored data: the Paint.Picture compound document that the build
// writes once (write_paint_picture_document) into a generated source file.

#include <array>
#include <cstddef>

namespace qv::showcase
{

// 892 sectors of 512 bytes.
inline constexpr std::size_t paintPictureDocumentSize = 456'704;
extern const std::array<std::byte, paintPictureDocumentSize> paintPictureDocument;

} // namespace qv::showcase
