#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A scale catalogue: named categories, each with its entries "name;interval list" in order.
// Categories count from 1; entries within a category count from 0.
class ScaleSet {
  public:
    int16_t NumberOfScales() const { return intNumberOfScales; }

    // Reads headings (":Name") and entries ("name;intervals"); other texts are skipped.
    void LoadScalesFromCollection(const std::vector<std::string>& collScaleData);

    // Entries of category intCategory; below 1 the whole entry list, above the last none.
    std::vector<std::string> getScales(int16_t intCategory = 0) const;

    // Name and interval list of one entry; out-of-range positions leave both outputs unchanged.
    void getScaleInfo(int16_t intScaleCat, int16_t intScaleNr, std::string& strName,
                      std::string& strIntervals) const;

    const std::vector<std::string>& getScaleCategories() const { return collCategoryNames; }

  private:
    int16_t intNumberOfScales = 0;
    std::vector<std::string> collCategoryNames;
    std::vector<int16_t> collCategoryStarts; // 1-based positions into collEntries
    std::vector<std::string> collEntries;
};
