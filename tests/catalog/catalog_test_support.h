// Shared set-up of the catalogue tests: a fresh sky model for every test, every message
// recorded instead of shown, and catalogue texts built from strings.
#pragma once

#include <string>
#include <vector>

#include "catalog/resource_text.h"
#include "tests/fresh_state.h"

class CatalogTest : public FreshState {
  protected:
    // A text holding exactly the bytes of `content`, kept until the test ends. Nothing follows
    // its last byte, so a reader that runs past the end is caught by AddressSanitizer.
    ResourceText TextOf(const std::string& content) {
        texts_.emplace_back(content.begin(), content.end());
        return {texts_.back().data(), texts_.back().size()};
    }

  private:
    std::vector<std::vector<char>> texts_;
};
