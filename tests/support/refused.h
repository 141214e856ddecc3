#pragma once

#include <gtest/gtest.h>

#include "core/shared/data_error.h"

namespace velmora::testing {

// Runs `read` and returns the DataError it throws; fails the test when it throws none.
template <typename F>
DataError Refused(F&& read) {
    try {
        read();
    } catch (const DataError& error) {
        return error;
    }
    ADD_FAILURE() << "the reader accepted what it should refuse";
    return DataError(DataError::Kind::Format, QString(), 0, QString());
}

}  // namespace velmora::testing
