#pragma once

class QIODevice;

// The compound-file library trusts a file's own figures: it reads the directory recursively, inserts
// each storage's entries into a sorted list one by one, keeps 16 KiB of bookkeeping per directory entry
// and puts a bitmap as large as the allocation table on the stack. A hostile file of a few megabytes
// thus overflows the stack or takes seconds before the library reports anything. The screen reads the
// header, the allocation table and the directory chain itself, and refuses what a project file never
// needs, before the library sees the file.
namespace CompoundFileScreen {

// A project file holds the root, "Contents" and perhaps a few streams of the OLE framework
// ("\1CompObj", "\5SummaryInformation"). 1024 slots are far more than that, and keep the library's
// recursion below 1024 levels, its sorted insertions below a million comparisons and its bookkeeping
// below 16 MiB.
inline constexpr int kMaxDirectoryEntries = 1024;

// Whether the compound file that device holds from its start has sound sector sizes, an allocation
// table that fits the file and a directory chain of at most kMaxDirectoryEntries entries that ends.
bool Accepts(QIODevice& device);

}  // namespace CompoundFileScreen
