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
           (systemReason.empty() ? u"" : u"理由: " + systemReason + u"\n") +
           u"ショートカットが壊れていないか、移動または削除されていないかを確かめてください。"
           u"プログラムのファイルは、[･･･] で直接選ぶこともできます。";
}

std::u16string ComposeNoFileTargetMessage(const std::u16string& linkPath) {
    return u"ショートカットを読み込みませんでした。\n" + linkPath +
           u"\n理由: このショートカットは、ファイルではなく Web ページ、ストア アプリ、コントロール パネルの項目などを"
           u"指しています。\n"
           u"[実行ファイル] 欄にプログラムのパスを入力するか、[･･･] でプログラムのファイルを選んでください。";
}

std::u16string ComposeReplaceOtherShortCutQuestion(const std::u16string& linkPath) {
    return u"デスクトップに同じ名前のショートカットがあります。この画面で作成したものではありません。\n" + linkPath +
           u"\n置き換えると、元のショートカットは失われます。置き換えますか？";
}

std::u16string ComposeOtherShortCutKeptMessage(const std::u16string& linkPath) {
    return u"[いいえ] を選んだため、ショートカットを作成しませんでした。"
           u"デスクトップにあったショートカットはそのままです。\n" + linkPath;
}

std::u16string ComposeTemporaryFileLeftNote(const std::u16string& path) {
    return u"\n作成途中の一時ファイルを削除できませんでした。\n" + path +
           u"\nこのファイルは不要です。エクスプローラーで削除してください。";
}

std::u16string ComposeLinkRefusedMessage(const std::u16string& program, const std::u16string& linkName,
                                         LinkPlacement placement) {
    std::u16string reason = u"ショートカットの保存先が、デスクトップ フォルダーの外になります。";
    std::u16string remedy = u"[実行ファイル] 欄のパスを確かめて";
    if (placement == LinkPlacement::NoName) {
        reason = u"プログラムのファイル名が空か、ピリオド (.) と空白だけのため、ショートカットの名前にできません。";
        remedy = u"[実行ファイル] 欄にプログラムのファイルのパスを入力して";
    } else if (placement == LinkPlacement::DeviceName) {
        reason = u"ショートカットの名前「" + linkName + u"」は、Windows がデバイス名として予約しているため使えません。";
        remedy = u"プログラムのファイルの名前を変えるか別の名前でコピーし、[実行ファイル] 欄で選び直して";
    }
    return u"ショートカットを作成しませんでした。\n" + (program.empty() ? u"(指定なし)" : program) + u"\n理由: " +
           reason + u"\n" + remedy + u"から、もう一度 [デスクトップにショートカット作成] を押してください。";
}

// With no box ticked the window sends mask 0, and the program keeps the
// processors it inherited: the unticked ones too.
std::u16string ComposeUntickedProcessorsMessage(std::uint32_t mask, std::uint32_t unticked) {
    return u"ショートカットの CPU の指定 (マスク " + Decimal(mask) + u") のうち、" + DescribeProcessors(unticked) +
           u" はこの画面では選べないため、チェックを付けていません。\n" +
           (unticked == mask ? u"チェックが一つもないまま [実行] を押すか、ショートカットを作成し直すと、プログラムは"
                               u" CPU を制限されずに動きます。制限するには、使わせる CPU にチェックを付けてください。"
                             : u"このまま [実行] を押すか、ショートカットを作成し直すと、これらの CPU は使われません。");
}

}  // namespace corelim
