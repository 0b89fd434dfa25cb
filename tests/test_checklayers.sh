#!/usr/bin/env bash
# Plants one include at a time in an empty source tree and checks that
# scripts/check-layers accepts or refuses it as the table of floors says.
set -u
script="$1"
failures=0

# file, include, expected outcome (pass or fail)
cases=(
    "model/A.h|model/B.h|pass"
    "model/A.cpp|base/Log.h|fail"
    "model/A.cpp|QObject|pass"
    "base/Log.cpp|model/KindNames.h|pass"
    "base/Log.cpp|platform/AutoStart.h|fail"
    "platform/X.cpp|base/Log.h|pass"
    "platform/X.cpp|playback/Clock.h|fail"
    "playback/A.cpp|shell/Widget.h|fail"
    "playback/content/A.cpp|playback/CommonPlayWindow.h|pass"
    "playback/A.cpp|panels/PanelHost.h|fail"
    "panels/controls/A.cpp|panels/PanelHost.h|pass"
    "panels/A.cpp|playback/MainPlayBKLabel.h|fail"
    "panels/A.cpp|editor/ProjectTree.h|fail"
    "modules/videorender/A.cpp|playback/video/PlayLabel.h|pass"
    "modules/videorender/A.cpp|modules/mpv/MpvSession.h|pass"
    "modules/videorender/A.cpp|shell/Widget.h|fail"
    "playback/video/A.cpp|modules/mpv/MpvSession.h|fail"
    "shell/A.cpp|modules/videorender/MpvWidget.h|fail"
    "editor/ProjectTree.cpp|shell/Widget.h|pass"
    "editor/ProjectTreePlay.cpp|shell/Widget.h|pass"
    "editor/ProjectTreeMenus.cpp|shell/Widget.h|fail"
    "editor/Other.cpp|shell/Prompts.h|fail"
    "editor/Other.cpp|playback/MainPlayBKLabel.h|pass"
    "shell/dialogs/A.cpp|editor/ProjectTree.h|pass"
    "modules/pdf/A.cpp|editor/PdfModule.h|pass"
    "modules/multimedia/A.cpp|playback/content/ContentPlayer.h|pass"
    "modules/multimedia/A.cpp|shell/Widget.h|fail"
    "playback/content/A.cpp|modules/multimedia/CameraPlayer.h|fail"
    "shell/A.cpp|modules/pdf/MuPdf.h|fail"
    "modules/web/A.cpp|playback/content/WidgetContentPlayer.h|pass"
    "modules/web/A.cpp|shell/Widget.h|fail"
    "playback/content/A.cpp|modules/web/UrlWin.h|fail"
    "shell/A.cpp|modules/web/UrlWin.h|fail"
)

for entry in "${cases[@]}"; do
    IFS='|' read -r file include expected <<<"$entry"
    tree="$(mktemp -d)"
    mkdir -p "$tree/$(dirname "$file")"
    if [[ "$include" == */* ]]; then
        printf '// planted\n#include "%s"\n' "$include" >"$tree/$file"
    else
        printf '// planted\n#include <%s>\n' "$include" >"$tree/$file"
    fi
    output="$("$script" "$tree" 2>&1)"
    rc=$?
    outcome=pass
    [ "$rc" != 0 ] && outcome=fail
    if [ "$outcome" != "$expected" ]; then
        echo "FAIL: $file including $include: expected $expected, got $outcome"
        echo "$output"
        failures=$((failures + 1))
    elif [ "$outcome" = fail ] && ! grep -qF "$file:2:" <<<"$output"; then
        echo "FAIL: $file including $include was refused without naming the line"
        echo "$output"
        failures=$((failures + 1))
    fi
    rm -rf "$tree"
done

# The real tree is clean.
if ! "$script" >/dev/null 2>&1; then
    echo "FAIL: the source tree itself breaks a floor:"
    "$script"
    failures=$((failures + 1))
fi

echo "${#cases[@]} planted cases, $failures failures"
[ "$failures" = 0 ]
