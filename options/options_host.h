// What the Options pages ask of the main window while the sheet is open.
#pragma once
#include "settings/settings.h"

namespace qv {

class IOptionsHost {
  public:
    virtual ~IOptionsHost() = default;
    // The data file written or read now; false when it was not (the host said why, if anything).
    virtual bool SaveDataFile() = 0;
    virtual bool LoadDataFile() = 0;
    // Changes to the lists since the data file was last written or read.
    virtual int ChangeCount() const = 0;
    virtual int SearchTermCount() const = 0;
    // Empties the remembered search terms, in the Search field's list and in the store.
    virtual void ClearSearchTerms() = 0;
    // Counts are written with format from now on, the three shown ones at once.
    virtual void SetNumberFormat(const CNumberFormat& format) = 0;
};

} // namespace qv
