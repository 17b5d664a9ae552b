#include "platform/base/VbError.h"

namespace vb {

QString describe(long number) {
    switch (number) {
        case errOverflow:
            return QStringLiteral("オーバーフローしました。");
        case errSubscript:
        case errInvalidPropertyIndex:
            return QStringLiteral("インデックスが有効範囲にありません。");
        case errTypeMismatch:
            return QStringLiteral("型が一致しません。");
        case errFileNotFound:
            return QStringLiteral("ファイルが見つかりません。");
        case errPathNotFound:
            return QStringLiteral("パスが見つかりません。");
        case errInvalidUseOfNull:
            return QStringLiteral("Null の使い方が不正です。");
        case errInvalidPropertyValue:
            return QStringLiteral("プロパティの値が不正です。");
        default:
            return QStringLiteral("アプリケーション定義またはオブジェクト定義のエラーです。");
    }
}

void raise(long number) { throw Error(number, describe(number)); }

}  // namespace vb
