#pragma once

// What reading a list file found: a missing file reads as an empty list,
// an unreadable one must never be replaced by a shorter list.
namespace Archivio {
enum class StatoFile { Mancante, Illeggibile, Letto };
} // namespace Archivio
