#pragma once
// Batch commands of horizon interpretation, each on a project header with
// horizon names relative to the project folder.
#include <iosfwd>
#include <string>
#include <vector>

#include "horizon/autopick.h"

namespace quarrix {

// "horizon create|info PROJECT.hdr NAME.hor [--json]"
int RunHorizonCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// "pick PROJECT.hdr NAME.hor (--line N | --xline N) --from POS:MS ..."
int RunPickCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunSnapCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunClearAutoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunEraseCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// "autopick PROJECT.hdr NAME.hor --mode inline|xline|grid ..."; the gridding
// of mode grid comes from the caller.
int RunAutopickCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                       const AreaGridder& gridder);
// "slice PROJECT.hdr --start MS --end MS [--inc MS] [--flatten FILE.flt]"
int RunSliceCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// "flatten PROJECT.hdr NAME.hor --out FILE.flt"
int RunFlattenCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// "arb create PROJECT.hdr NAME.arb --vertex TRACE_INDEX,LINE_INDEX ..."
int RunArbCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quarrix
