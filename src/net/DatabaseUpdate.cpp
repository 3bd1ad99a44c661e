#include "net/DatabaseUpdate.h"

#include "db/BfBlock.h"
#include "db/DatabaseKey.h"
#include "platform/ReplaceFile.h"

namespace {

constexpr std::int64_t kBlockSize = 8;
constexpr std::uint8_t kMaxFinalCount = 7;

void RequireWellFormedDatabase(TStream& file) {
    if (!IsWellFormedDatabase(file)) {
        throw EDatabaseUpdateError("The received file is no extension database");
    }
}

}  // namespace

bool IsWellFormedDatabase(TStream& file) {
    const std::int64_t size = file.Size();
    if (size < kBlockSize || size % kBlockSize != 0) {
        return false;
    }
    BfBlock last{};
    file.SetPosition(size - kBlockSize);
    file.ReadBuffer(last.data(), last.size());
    BfApplyMask(BfMaskOf(BfExpandKey(BuildDatabaseKey())), last.data(), last.size());
    return last[7] <= kMaxFinalCount;
}

void ReceiveDatabaseFile(const std::string& databasePath, const TDatabaseTransfer& transfer) {
    ReplaceFile(databasePath, [&transfer](TStream& received) {
        transfer(received);
        RequireWellFormedDatabase(received);
    });
}
