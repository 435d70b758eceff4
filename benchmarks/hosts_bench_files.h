#pragma once
// Hosts files of the sizes people keep, made up the same way on every run:
// one kept by hand and by the editor, and a downloaded block list.
#include <string>

namespace qn::bench {

// A comment header, then `entries` entry lines "10.a.b.c  host<n>.example.com"
// ended by CR LF: about 3% of them give an earlier name a new address, 5% are
// marked " #SKIP", a tenth are lined up with TABs; `patternsPerThousand` of
// them name a pattern ("*.cdn<n>.example.com") instead.
std::string ManagedHostsFile(int entries, int patternsPerThousand = 0);

// `lines` lines ended by LF alone: "0.0.0.0 ads<n>.example" with a comment
// line now and then and about 2% of the names repeated.
std::string BlockListFile(int lines);

}  // namespace qn::bench
