#include "shortcut_messages.h"

#include "decimal_text.h"
#include "processor_runs.h"

namespace corelim {

namespace {

std::u16string DescribeProcessors(std::uint32_t processors) {
    std::u16string text;
    for (const ProcessorRun run : ProcessorRuns(processors)) {
        if (!text.empty()) text += u"、";
        text += u"CPU " + Decimal(run.first) + (run.last > run.first ? u"～" + Decimal(run.last) : u"");
    }
    return text;
}

}  // namespace

std::u16string ComposeUnreadableShortCutMessage(const std::u16string& linkPath, const std::u16string& systemReason) {
    return u"ショートカットを読み込めませんでした。\n" + linkPath + u"\n" +
           (systemReason.empty() ? u"" : systemReason + u"\n") +
           u"ショートカットが壊れていないか、まだあるかを確かめてください。";
}

std::u16string ComposeNoFileTargetMessage(const std::u16string& linkPath) {
    return u"このショートカットはファイルを指していない (Web ページ、ストア アプリ、コントロール パネルの項目など) ため、"
           u"読み込みませんでした。\n" +
           linkPath + u"\nプログラムのファイルか、プログラムのファイルを指すショートカットを指定してください。";
}

std::u16string ComposeReplaceOtherShortCutQuestion(const std::u16string& linkPath) {
    return u"デスクトップに同じ名前のショートカットがあります。この画面で作ったものではありません。\n" + linkPath +
           u"\n置き換えると、元のショートカットは失われます。置き換えますか？";
}

std::u16string ComposeOtherShortCutKeptMessage(const std::u16string& linkPath) {
    return u"ショートカットを作成しませんでした。デスクトップにあったショートカットはそのままです。\n" + linkPath;
}

std::u16string ComposeLinkRefusedMessage(const std::u16string& program, const std::u16string& linkName,
                                         LinkPlacement placement) {
    std::u16string reason = u"ショートカットの置き場所がデスクトップ フォルダーの中になりません。";
    std::u16string remedy = u"プログラムのパスを確かめてください。";
    if (placement == LinkPlacement::NoName) {
        reason = u"プログラムのファイル名が点 (.) と空白だけか空のため、ショートカットの名前にできません。";
        remedy = u"実行ファイルの欄に、プログラムのファイルのパスを入力してください。";
    } else if (placement == LinkPlacement::DeviceName) {
        reason = u"ショートカットの名前「" + linkName + u"」は、Windows が装置に使う名前のため使えません。";
        remedy = u"プログラムのファイルを別の名前でコピーするか名前を変えてから、もう一度作成してください。";
    }
    return u"このプログラムのショートカットは作成できません。\n" + program + u"\n理由: " + reason + u"\n" + remedy;
}

std::u16string ComposeUntickedProcessorsMessage(std::uint32_t mask, std::uint32_t unticked) {
    return u"ショートカットの CPU の指定 (マスク " + Decimal(mask) + u") のうち、" + DescribeProcessors(unticked) +
           u" はこの画面では選べないため、チェックを付けていません。\n"
           u"このまま実行したりショートカットを作成し直したりすると、これらの CPU は使われません。";
}

}  // namespace corelim
