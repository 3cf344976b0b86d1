"""Checks the program's translations as a translator's reviewer would.

For each .ts file: lupdate, run on the sources into a copy, finds no text that
the file lacks and none that the sources no longer have; every text has a
finished, non-empty translation in Chinese characters, with the same
placeholders (%1, %2) as many times as the English, and the English's access
key written the Chinese way, "(&F)" at the end; the translation keeps to its own
script, traditional or simplified. The desktop entry and the metainfo carry the
same two languages for each text they translate, and for every region that the
program speaks each of them in.

    check_translations.py --lupdate LUPDATE --sources SRC --packaging FOLDER TS...

Standard library only.
"""

import argparse
import configparser
import collections
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

# Characters that one script writes and the other does not, as (traditional,
# simplified) pairs of the same word.
SCRIPT_PAIRS = (
    "這这 們们 個个 來来 說说 時时 為为 會会 發发 過过 對对 開开 關关 門门 問问 間间 種种 將将 "
    "與与 實实 現现 還还 進进 網网 軟软 體体 頁页 覽览 擊击 請请 輸输 郵邮 籤签 結结 讓让 認认 "
    "識识 東东 車车 書书 長长 見见 觀观 買买 賣卖 電电 腦脑 樣样 歡欢 應应 該该 運运 動动 愛爱 "
    "萬万 無无 邊边 頭头 樂乐 學学 業业 從从 優优 傳传 華华 單单 變变 號号 聽听 員员 國国 圖图 "
    "寶宝 導导 幫帮 張张 錄录 態态 總总 戲戏 戶户 執执 護护 報报 擇择 換换 損损 數数 斷断 顯显 "
    "機机 權权 極极 標标 檢检 氣气 漢汉 沒没 溫温 滿满 燈灯 靈灵 點点 熱热 獨独 環环 畫画 監监 "
    "確确 積积 穩稳 競竞 筆笔 簡简 類类 緊紧 線线 練练 組组 細细 織织 終终 經经 給给 絡络 統统 "
    "繼继 續续 維维 職职 聯联 勝胜 營营 獲获 藥药 雖虽 補补 規规 視视 觸触 議议 訊讯 記记 講讲 "
    "許许 論论 設设 訪访 證证 評评 訴诉 詞词 譯译 試试 詩诗 話话 詢询 詳详 語语 誤误 讀读 調调 "
    "誰谁 談谈 謝谢 負负 財财 責责 敗败 貨货 質质 貴贵 費费 賞赏 賺赚 贊赞 贈赠 贏赢 轉转 輪轮 "
    "輕轻 載载 輩辈 達达 遠远 違违 連连 遲迟 適适 選选 遺遗 釋释 錢钱 鐵铁 銀银 鏈链 銷销 鎖锁 "
    "錯错 閃闪 閉闭 閒闲 鬧闹 聞闻 閱阅 陣阵 階阶 際际 陸陆 陳陈 險险 隨随 隱隐 難难 須须 順顺 "
    "顧顾 領领 頻频 題题 顏颜 風风 飛飞 飯饭 館馆 馬马 驗验 騙骗 雞鸡 鳥鸟 麥麦 黃黄 齊齐 龍龙 "
    "謹谨 慶庆 親亲 藝艺 術术 歷历 嗎吗 專专 處处 據据 紀纪 測测 產产 廠厂 瀏浏 創创 討讨 區区 "
    "資资 務务 複复 訂订 遷迁 積积 僅仅 歲岁 靜静 險险 嫉嫉 衛卫 驚惊 禮礼 壞坏 惱恼 煩烦 膚肤 "
    "錯错 諾诺 擁拥 榮荣 譽誉 晉晋 諒谅 婦妇 傷伤 災灾 損损 壓压 揮挥 寫写 夠够 帶带 燭烛"
).split()
TRADITIONAL_ONLY = {pair[0] for pair in SCRIPT_PAIRS if pair[0] != pair[1]}
SIMPLIFIED_ONLY = {pair[1] for pair in SCRIPT_PAIRS if pair[0] != pair[1]}
# Which script each file is written in, by the language it names.
OTHER_SCRIPT = {"zh_TW": SIMPLIFIED_ONLY, "zh_HK": SIMPLIFIED_ONLY, "zh_CN": TRADITIONAL_ONLY}
# Words of the same script that one region uses and the other does not: Taiwan
# and Hong Kong write software, network, user and e-mail differently.
OTHER_REGION_WORDS = {
    "zh_TW": ("軟件", "網絡", "用戶", "電郵"),
    "zh_HK": ("軟體", "網路", "使用者", "電子郵件"),
}
# The other regions whose desktops the program speaks each file's language to
# (languageFor in src/app/Translations.cpp). Desktops pick a desktop entry's or a
# metainfo's text by the locale's own region, else by the bare language, never
# by a neighbouring region, so each region needs its own text.
REGIONS = {"zh_HK": ("zh_MO",), "zh_CN": ("zh_SG",)}

PLACEHOLDER = re.compile(r"%(?:L?\d+|n)")
HAN = re.compile(r"[\u3400-\u4dbf\u4e00-\u9fff]")
# An access key: "&" and the character it marks ("&&" is a plain "&").
ACCESS_KEY = re.compile(r"&(?!&)(.)")

failures = []


def fail(message):
    failures.append(message)


def messages(path):
    """{(context, source): (translation, type)} and the file's language."""
    root = ElementTree.parse(path).getroot()
    found = {}
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            key = (name, source)
            if key in found:
                fail("%s: %r in %s is there twice" % (path, source, name))
            found[key] = (translation.text or "", translation.get("type"))
    return found, root.get("language")


def check_up_to_date(lupdate, sources, path):
    """The texts of the file are the texts of the sources, no more, no less."""
    with tempfile.TemporaryDirectory() as folder:
        copy = os.path.join(folder, os.path.basename(path))
        shutil.copyfile(path, copy)
        result = subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none",
                                 sources, "-ts", copy], capture_output=True, text=True)
        if result.returncode != 0:
            fail("lupdate failed on %s: %s%s" % (path, result.stdout, result.stderr))
            return
        fresh, _ = messages(copy)
    committed, _ = messages(path)
    for key in sorted(set(fresh) - set(committed)):
        fail("%s lacks %r (%s): run the target update_translations and translate it"
             % (path, key[1], key[0]))
    for key in sorted(set(committed) - set(fresh)):
        fail("%s still holds %r (%s), which the sources no longer have"
             % (path, key[1], key[0]))


def check_message(path, language, context, source, translation, kind):
    where = "%s, %s: %r" % (path, context, source)
    if kind is not None:
        fail("%s is %s" % (where, kind))
    if not translation.strip():
        fail("%s has no translation" % where)
        return
    if not HAN.search(translation):
        fail("%s is not translated into Chinese: %r" % (where, translation))
    if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(translation)):
        fail("%s: the placeholders of %r differ" % (where, translation))
    keys = ACCESS_KEY.findall(source)
    translated_keys = ACCESS_KEY.findall(translation)
    if keys:
        if translated_keys != [keys[0].upper()] or not translation.endswith(
                "(&%s)" % keys[0].upper()):
            fail("%s: %r does not end in the access key (&%s)"
                 % (where, translation, keys[0].upper()))
    elif translated_keys:
        fail("%s: %r has an access key the English lacks" % (where, translation))
    check_script(where, language, translation)


def check_packaging(folder, languages):
    """Each translated text of the desktop entry and the metainfo, in both
    languages and each of their regions, in the language's script."""
    script = {}
    for language in languages:
        for region in (language,) + REGIONS.get(language, ()):
            script[region] = language
    for name in os.listdir(folder):
        path = os.path.join(folder, name)
        if name.endswith((".desktop", ".desktop.in")):
            entry = configparser.RawConfigParser(interpolation=None)
            entry.optionxform = str
            entry.read(path, encoding="utf-8")
            fields = entry["Desktop Entry"]
            for key in ("Name", "GenericName", "Comment", "Keywords"):
                for region, language in script.items():
                    value = fields.get("%s[%s]" % (key, region), "")
                    if not HAN.search(value):
                        fail("%s has no %s[%s] in Chinese" % (path, key, region))
                    check_script(path, language, value)
        elif name.endswith(".metainfo.xml"):
            root = ElementTree.parse(path).getroot()
            lang_attribute = "{http://www.w3.org/XML/1998/namespace}lang"
            texts = [root.find("name"), root.find("summary")] + list(
                root.find("description").iter())
            for element in texts:
                if element.tag not in ("name", "summary", "p", "li") or element.get(
                        lang_attribute):
                    continue
                parent = find_parent(root, element)
                for region, language in script.items():
                    tag = region.replace("_", "-")
                    translated = [e for e in parent.findall(element.tag)
                                  if e.get(lang_attribute) in (region, tag)]
                    if len(translated) != sum(
                            1 for e in parent.findall(element.tag) if not e.get(lang_attribute)):
                        fail("%s: not every <%s> of %s has one in %s"
                             % (path, element.tag, parent.tag, region))
                    for e in translated:
                        if not HAN.search(e.text or ""):
                            fail("%s: the %s <%s> is not in Chinese" % (path, region, e.tag))
                        check_script(path, language, e.text or "")


def find_parent(root, child):
    for parent in root.iter():
        if child in list(parent):
            return parent
    return root


def check_script(path, language, text):
    other = sorted(set(text) & OTHER_SCRIPT.get(language, set()))
    if other:
        fail("%s: %s text %r has characters of the other script: %s"
             % (path, language, text, " ".join(other)))
    words = [word for word in OTHER_REGION_WORDS.get(language, ()) if word in text]
    if words:
        fail("%s: %s text %r has words of another region: %s"
             % (path, language, text, " ".join(words)))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--sources", required=True)
    parser.add_argument("--packaging", required=True)
    parser.add_argument("ts", nargs="+")
    args = parser.parse_args()

    all_texts = []
    languages = []
    for path in args.ts:
        found, language = messages(path)
        if not path.endswith("_%s.ts" % language):
            fail("%s says it is in %r" % (path, language))
        languages.append(language)
        all_texts.append(set(found))
        check_up_to_date(args.lupdate, args.sources, path)
        for (context, source), (translation, kind) in sorted(found.items()):
            check_message(path, language, context, source, translation, kind)
    if any(texts != all_texts[0] for texts in all_texts):
        fail("the translation files hold different texts")
    check_packaging(args.packaging, languages)

    checked = sum(len(texts) for texts in all_texts)
    if failures:
        print("\n".join(failures))
        print("%d problems in %d translations" % (len(failures), checked))
        sys.exit(1)
    print("%d translations in %s: finished, in their script and their region's words, "
          "with their placeholders and access keys" % (checked, ", ".join(languages)))


if __name__ == "__main__":
    main()
