<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AnswerFirst</name>
    <message>
        <source>下の欄</source>
        <translation>Tools below</translation>
    </message>
    <message>
        <source>下の欄をたたむ</source>
        <translation>Fold the tools below</translation>
    </message>
    <message>
        <source>下の欄をたたんで、上の答えを広く表示します</source>
        <translation>Folds the tools below, giving the answer above more room</translation>
    </message>
</context>
<context>
    <name>AnswerPanel</name>
    <message>
        <source>結果寸法（積み上げた寸法） mm(&amp;K)</source>
        <translation>Closing dimensi&amp;on (the stack), mm</translation>
    </message>
    <message>
        <source>結果寸法</source>
        <translation>Closing dimension</translation>
    </message>
    <message>
        <source>結果寸法の呼び</source>
        <translation>Nominal closing dimension</translation>
    </message>
    <message>
        <source>温度による変化</source>
        <translation>Change with temperature</translation>
    </message>
    <message>
        <source>最悪値</source>
        <translation>Worst case</translation>
    </message>
    <message>
        <source>要求から外れる確率</source>
        <translation>Probability outside the requirement</translation>
    </message>
    <message>
        <source>モンテカルロ法</source>
        <translation>Monte Carlo</translation>
    </message>
    <message>
        <source>モンテカルロ法で要求から外れた割合</source>
        <translation>Share outside the requirement by Monte Carlo</translation>
    </message>
    <message>
        <source>例: 0.1..0.5</source>
        <translation>e.g. 0.1..0.5</translation>
    </message>
    <message>
        <source>結果寸法が入るべき範囲 下限..上限 (mm)。片側だけでも（0.1.. や ..0.5）</source>
        <translation>The range the closing dimension must lie in, lower..upper (mm); one side alone too (0.1.. or ..0.5)</translation>
    </message>
    <message>
        <source>要求</source>
        <translation>Requirement</translation>
    </message>
    <message>
        <source>分布</source>
        <translation>Distribution</translation>
    </message>
    <message>
        <source>各部品の寸法のばらつき: 正規分布（±3σ が公差）か一様分布（公差内で一様）</source>
        <translation>How each member&apos;s size spreads: normal (±3σ is the tolerance) or uniform (evenly within the tolerance)</translation>
    </message>
    <message>
        <source>要求(&amp;R)</source>
        <translation>&amp;Requirement</translation>
    </message>
    <message>
        <source>分布(&amp;B)</source>
        <translation>Distri&amp;bution</translation>
    </message>
    <message>
        <source>呼び寸法</source>
        <translation>Nominal</translation>
    </message>
    <message>
        <source>外れる確率</source>
        <translation>Outside</translation>
    </message>
    <message>
        <source>外れた割合</source>
        <translation>Outside</translation>
    </message>
    <message>
        <source>要求: %1</source>
        <translation>Requirement: %1</translation>
    </message>
    <message>
        <source>計算中…</source>
        <translation>Working…</translation>
    </message>
</context>
<context>
    <name>BearingBox</name>
    <message>
        <source>軸受（呼び番号から）</source>
        <translation>Bearing (by its number)</translation>
    </message>
    <message>
        <source>呼び番号(&amp;Y)</source>
        <translation>Bearing nu&amp;mber</translation>
    </message>
    <message>
        <source>例: 6206</source>
        <translation>e.g. 6206</translation>
    </message>
    <message>
        <source>寸法と側に入れる(&amp;I)</source>
        <translation>Put &amp;into size and side</translation>
    </message>
    <message>
        <source>はめあう輪</source>
        <translation>Ring in the fit</translation>
    </message>
    <message>
        <source>軸受の精度等級</source>
        <translation>Bearing&apos;s tolerance class</translation>
    </message>
    <message>
        <source>荷重条件</source>
        <translation>Load case</translation>
    </message>
    <message>
        <source>荷重の大きさ</source>
        <translation>Load size</translation>
    </message>
    <message>
        <source>内輪（軸とのはめあい）</source>
        <translation>Inner ring (fit on the shaft)</translation>
    </message>
    <message>
        <source>外輪（ハウジングとのはめあい）</source>
        <translation>Outer ring (fit in the housing)</translation>
    </message>
    <message>
        <source>%1 級</source>
        <translation>Class %1</translation>
    </message>
    <message>
        <source>荷重条件なし</source>
        <translation>No load case</translation>
    </message>
    <message>
        <source>内輪回転荷重</source>
        <translation>Rotating inner ring load</translation>
    </message>
    <message>
        <source>外輪回転荷重</source>
        <translation>Rotating outer ring load</translation>
    </message>
    <message>
        <source>方向不定荷重</source>
        <translation>Indeterminate load direction</translation>
    </message>
    <message>
        <source>軽荷重</source>
        <translation>Light load</translation>
    </message>
    <message>
        <source>普通荷重</source>
        <translation>Normal load</translation>
    </message>
    <message>
        <source>重荷重</source>
        <translation>Heavy load</translation>
    </message>
    <message>
        <source>呼び番号: %1</source>
        <translation>Bearing number: %1</translation>
    </message>
    <message>
        <source>はめあう輪。内輪は軸と、外輪はハウジングの穴とはめあいます</source>
        <translation>Ring to fit: the inner ring fits on the shaft, the outer ring in the housing bore</translation>
    </message>
    <message>
        <source>軸受の精度等級。輪の寸法許容差はこの等級の表から</source>
        <translation>Bearing tolerance class: the rings&apos; deviations come from this class&apos;s table</translation>
    </message>
    <message>
        <source>荷重条件。選ぶと推奨の公差クラスを示します</source>
        <translation>Load case: choosing one shows the recommended tolerance classes</translation>
    </message>
    <message>
        <source>荷重の大きさ。推奨の公差クラスはこれでも変わります</source>
        <translation>Load size: the recommended tolerance classes depend on it too</translation>
    </message>
</context>
<context>
    <name>BearingWords</name>
    <message>
        <source>深溝玉軸受</source>
        <translation>deep groove ball bearing</translation>
    </message>
    <message>
        <source>アンギュラ玉軸受</source>
        <translation>angular contact ball bearing</translation>
    </message>
    <message>
        <source>自動調心玉軸受</source>
        <translation>self-aligning ball bearing</translation>
    </message>
    <message>
        <source>円筒ころ軸受</source>
        <translation>cylindrical roller bearing</translation>
    </message>
    <message>
        <source>円すいころ軸受</source>
        <translation>tapered roller bearing</translation>
    </message>
    <message>
        <source>軸受内輪 %1 級</source>
        <translation>bearing inner ring class %1</translation>
    </message>
    <message>
        <source>軸受外輪 %1 級</source>
        <translation>bearing outer ring class %1</translation>
    </message>
    <message>
        <source>穴には「軸受内輪 0 級」のように入力します</source>
        <translation>For the hole type e.g. &quot;bearing inner ring class 0&quot;</translation>
    </message>
    <message>
        <source>軸には「軸受外輪 0 級」のように入力します</source>
        <translation>For the shaft type e.g. &quot;bearing outer ring class 0&quot;</translation>
    </message>
    <message>
        <source>軸受外輪は軸の側です。穴には軸受内輪を選びます</source>
        <translation>An outer ring is the shaft side. For the hole choose an inner ring</translation>
    </message>
    <message>
        <source>軸受内輪は穴の側です。軸には軸受外輪を選びます</source>
        <translation>An inner ring is the hole side. For the shaft choose an outer ring</translation>
    </message>
    <message>
        <source>軸受の精度等級は 0、6、5、4、2 級です（JIS B 1514-1）</source>
        <translation>A bearing&apos;s tolerance class is 0, 6, 5, 4 or 2 (JIS B 1514-1)</translation>
    </message>
    <message>
        <source>%1 の表は %2 を超え %3 mm 以下です</source>
        <translation>%1&apos;s table covers over %2 up to %3 mm</translation>
    </message>
    <message>
        <source>%1: この系列の表にない内径番号です</source>
        <translation>%1: no such bore number in this series</translation>
    </message>
    <message>
        <source>%1: 呼び番号を読めません（系列 %2）</source>
        <translation>%1: not a bearing number of ours (series %2)</translation>
    </message>
    <message>
        <source>円すいころ軸受の輪は tessaly-cli --bearing で計算します</source>
        <translation>A tapered roller bearing&apos;s rings are worked out by tessaly-cli --bearing</translation>
    </message>
    <message>
        <source>推奨: 軸 %1 / 穴 %2</source>
        <translation>Recommended: shaft %1 / housing %2</translation>
    </message>
    <message>
        <source>この荷重条件は表にありません</source>
        <translation>The tables have no row for this load case</translation>
    </message>
</context>
<context>
    <name>ChainFileWords</name>
    <message>
        <source>ファイルがありません</source>
        <translation>There is no such file</translation>
    </message>
    <message>
        <source>フォルダです</source>
        <translation>It is a folder</translation>
    </message>
    <message>
        <source>64 MB を超えています。公差の積み上げのファイルではありません</source>
        <translation>It is over 64 MB: no tolerance stack-up file</translation>
    </message>
    <message>
        <source>読めません: %1</source>
        <translation>Cannot read it: %1</translation>
    </message>
    <message>
        <source>読み取り専用のファイルです</source>
        <translation>The file is read-only</translation>
    </message>
</context>
<context>
    <name>FinderPanel</name>
    <message>
        <source>★: JIS B 0401 で常用するはめあい（一覧の先に並びます）</source>
        <translation>★: a fit in common use after JIS B 0401 (listed first)</translation>
    </message>
    <message>
        <source>常用</source>
        <translation>Common</translation>
    </message>
    <message>
        <source>はめあい</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>最大すきま</source>
        <translation>Max. clearance</translation>
    </message>
    <message>
        <source>最小すきま</source>
        <translation>Min. clearance</translation>
    </message>
    <message>
        <source>変動量</source>
        <translation>Fit tolerance</translation>
    </message>
    <message>
        <source>この組を使う(&amp;U)</source>
        <translation>&amp;Use this pair</translation>
    </message>
    <message>
        <source>最小すきまが最大すきまより大きくなっています</source>
        <translation>The minimum clearance is greater than the maximum</translation>
    </message>
    <message>
        <source>条件に合うはめあい</source>
        <translation>Fits that qualify</translation>
    </message>
    <message>
        <source>Enter、ダブルクリックか「この組を使う」で、行の組を上の穴と軸に入れます (Ctrl+Z で戻す)。★ は常用するはめあい</source>
        <translation>Enter, a double click or &quot;Use this pair&quot; puts the row&apos;s pair into the hole and shaft above (Ctrl+Z takes it back). ★ marks a fit in common use</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>Any</translation>
    </message>
    <message>
        <source>穴基準 (H)</source>
        <translation>Hole-basis (H)</translation>
    </message>
    <message>
        <source>軸基準 (h)</source>
        <translation>Shaft-basis (h)</translation>
    </message>
    <message>
        <source>よく使う 65 クラス</source>
        <translation>Our 65 classes</translation>
    </message>
    <message>
        <source>すべてのクラス</source>
        <translation>Every class</translation>
    </message>
    <message>
        <source>制限なし</source>
        <translation>No limit</translation>
    </message>
    <message>
        <source>最小すきま(&amp;N)</source>
        <translation>Mi&amp;nimum clearance</translation>
    </message>
    <message>
        <source>必要な最小すきま（mm、負の値はしめしろ。空欄なら制限なし）</source>
        <translation>The minimum clearance needed (mm, negative for an interference; empty for no limit)</translation>
    </message>
    <message>
        <source>最大すきま(&amp;X)</source>
        <translation>Ma&amp;ximum clearance</translation>
    </message>
    <message>
        <source>許される最大すきま（mm、負の値はしめしろ。空欄なら制限なし）</source>
        <translation>The maximum clearance allowed (mm, negative for an interference; empty for no limit)</translation>
    </message>
    <message>
        <source>種類(&amp;T)</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>すきまばめ・中間ばめ・しまりばめのどれに限るか</source>
        <translation>Clearance, transition or interference fits only</translation>
    </message>
    <message>
        <source>基準(&amp;B)</source>
        <translation>&amp;Basis</translation>
    </message>
    <message>
        <source>穴基準（H の穴）か軸基準（h の軸）に限るか</source>
        <translation>Hole-basis (an H hole) or shaft-basis (an h shaft) fits only</translation>
    </message>
    <message>
        <source>対象(&amp;L)</source>
        <translation>C&amp;lasses</translation>
    </message>
    <message>
        <source>よく使う 65 クラスから探すか、すべてのクラスから探すか</source>
        <translation>Search our 65 classes or every class</translation>
    </message>
    <message>
        <source>φ%1 で探しています…</source>
        <translation>Searching at φ%1…</translation>
    </message>
    <message>
        <source>φ%1 で条件に合うはめあいはありません</source>
        <translation>No fit qualifies at φ%1</translation>
    </message>
    <message>
        <source>推奨</source>
        <translation>recommended</translation>
    </message>
    <message>
        <source>◎: 軸受の荷重条件で推奨される公差クラス（JIS B 1566。一覧の先に並びます）</source>
        <translation>◎: a tolerance class recommended for the bearing&apos;s load case (JIS B 1566; listed first)</translation>
    </message>
    <message>
        <source>◎ 推奨を先に、</source>
        <translation>◎ recommended first, </translation>
    </message>
    <message>
        <source>★ 常用を先に、</source>
        <translation>★ common first, </translation>
    </message>
    <message numerus="yes">
        <source>φ%1 で %n 組（使用条件の荷重を保つもの、%2変動量の大きい順）</source>
        <translation>
            <numerusform>%n pair at φ%1 (holding the load in service, %2widest fit tolerance first)</numerusform>
            <numerusform>%n pairs at φ%1 (holding the load in service, %2widest fit tolerance first)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>φ%1 で %n 組（%2変動量の大きい順）</source>
        <translation>
            <numerusform>%n pair at φ%1 (%2widest fit tolerance first)</numerusform>
            <numerusform>%n pairs at φ%1 (%2widest fit tolerance first)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FitQueryWords</name>
    <message>
        <source>小数点は「.」で入力してください</source>
        <translation>Type the decimal sign as &quot;.&quot;</translation>
    </message>
    <message>
        <source>数字で入力してください（例: %1）</source>
        <translation>Type a number (e.g. %1)</translation>
    </message>
    <message>
        <source>公差クラスを入力してください（例: %1）</source>
        <translation>Type a tolerance class (e.g. %1)</translation>
    </message>
    <message>
        <source>%1: この記号の公差クラスはありません</source>
        <translation>%1: no tolerance class has this letter</translation>
    </message>
    <message>
        <source>%1 に公差等級の数字がありません（例: %2%3）</source>
        <translation>%1 has no tolerance grade (e.g. %2%3)</translation>
    </message>
    <message>
        <source>%1: 公差等級は 01、0、1～18 です</source>
        <translation>%1: the tolerance grades are 01, 0 and 1 to 18</translation>
    </message>
    <message>
        <source>%1 にはこの寸法の値がありません</source>
        <translation>%1 has no value at this size</translation>
    </message>
    <message>
        <source>35、35.5</source>
        <translation>35, 35.5</translation>
    </message>
    <message>
        <source>0 より大きい寸法を入力してください</source>
        <translation>Type a size over 0</translation>
    </message>
    <message>
        <source>寸法は %1 mm までです</source>
        <translation>Sizes go up to %1 mm</translation>
    </message>
    <message>
        <source>寸法の小数は 4 桁までです</source>
        <translation>A size has at most 4 decimals</translation>
    </message>
    <message>
        <source>数字で入力してください（例: 0.02、しめしろは -0.02）</source>
        <translation>Type a number (e.g. 0.02, an interference -0.02)</translation>
    </message>
    <message>
        <source>小数は 4 桁までです（例: -0.0125）</source>
        <translation>At most 4 decimals (e.g. -0.0125)</translation>
    </message>
    <message>
        <source>大きすぎます（例: 0.5、-0.5）</source>
        <translation>Too large (e.g. 0.5, -0.5)</translation>
    </message>
    <message>
        <source>穴に %1、軸に %2 と分けて入力します</source>
        <translation>Type %1 for the hole and %2 for the shaft apart</translation>
    </message>
    <message>
        <source>%1 は軸の公差クラスです。穴は大文字で入力します</source>
        <translation>%1 is a shaft&apos;s class. Type the hole&apos;s in capitals</translation>
    </message>
    <message>
        <source>%1 は穴の公差クラスです。軸は小文字で入力します</source>
        <translation>%1 is a hole&apos;s class. Type the shaft&apos;s in lower case</translation>
    </message>
</context>
<context>
    <name>FitTexts</name>
    <message>
        <source>すきまばめ</source>
        <translation>clearance fit</translation>
    </message>
    <message>
        <source>中間ばめ</source>
        <translation>transition fit</translation>
    </message>
    <message>
        <source>しまりばめ</source>
        <translation>interference fit</translation>
    </message>
    <message>
        <source>最大すきま</source>
        <translation>maximum clearance</translation>
    </message>
    <message>
        <source>最小すきま</source>
        <translation>minimum clearance</translation>
    </message>
    <message>
        <source>最大しめしろ</source>
        <translation>maximum interference</translation>
    </message>
    <message>
        <source>最小しめしろ</source>
        <translation>minimum interference</translation>
    </message>
    <message>
        <source>出典: JIS B 0401 (1984) の表</source>
        <translation>source: the table of JIS B 0401 (1984)</translation>
    </message>
    <message>
        <source>出典: JIS B 0401:2016（1984 年版の表にない値）</source>
        <translation>source: JIS B 0401:2016 (not in the 1984 table)</translation>
    </message>
    <message>
        <source>出典: JIS B 0401:2016 (ISO 286:2010)</source>
        <translation>source: JIS B 0401:2016 (ISO 286:2010)</translation>
    </message>
    <message>
        <source>寸法許容差: %1 %2</source>
        <translation>limit deviations: %1 %2</translation>
    </message>
    <message>
        <source>寸法許容差: 入力した値</source>
        <translation>limit deviations: as typed</translation>
    </message>
    <message>
        <source>φ%1 %2 %3 %4 %5 %6 %7</source>
        <comment>the pair&apos;s line for a drawing</comment>
        <translation>φ%1 %2 %3
%4 %5, %6 %7</translation>
    </message>
    <message>
        <source>%1 %2、%3 %4、%5 %6</source>
        <comment>the fit for a listener</comment>
        <translation>%1 %2, %3 %4, %5 %6</translation>
    </message>
</context>
<context>
    <name>FitsWindow</name>
    <message>
        <source>Tessaly はめあい計算</source>
        <translation>Tessaly Fits</translation>
    </message>
    <message>
        <source>はめあいの種類</source>
        <translation>Type of fit</translation>
    </message>
    <message>
        <source>はめあいの変動量</source>
        <translation>Fit tolerance</translation>
    </message>
    <message>
        <source>図面用の表記</source>
        <translation>Lines for a drawing</translation>
    </message>
    <message>
        <source>図面用にコピー(&amp;C)</source>
        <translation>&amp;Copy for a drawing</translation>
    </message>
    <message>
        <source>h7 は軸の公差クラスです。&#x3000;</source>
        <comment>the width of a problem</comment>
        <translation>Type the shaft&apos;s in lower case</translation>
    </message>
    <message>
        <source>はめあいを探す</source>
        <translation>Find a fit</translation>
    </message>
    <message>
        <source>使用条件</source>
        <translation>In service</translation>
    </message>
    <message>
        <source>軸受</source>
        <translation>Bearing</translation>
    </message>
    <message>
        <source>寸法と穴・軸の公差クラスを入力すると、すぐに計算します</source>
        <translation>Type a size and the hole and shaft classes: the answer comes as you type</translation>
    </message>
    <message>
        <source>例: 35</source>
        <translation>e.g. 35</translation>
    </message>
    <message>
        <source>呼び寸法 mm(&amp;S)</source>
        <translation>Nominal &amp;size, mm</translation>
    </message>
    <message>
        <source>呼び寸法を mm で入力します（0 を超え 3150 以下、小数 4 桁まで）</source>
        <translation>The nominal size in mm (over 0 up to 3150, at most 4 decimals)</translation>
    </message>
    <message>
        <source>穴の公差クラス(&amp;H)</source>
        <translation>&amp;Hole class</translation>
    </message>
    <message>
        <source>穴の公差クラス。一覧から選ぶか、H7 のように大文字で入力します。買う部品は寸法許容差を 0/-0.009 のように入力できます</source>
        <translation>Hole class: pick it or type it in capitals (H7); for a bought part, its limit deviations (0/-0.009)</translation>
    </message>
    <message>
        <source>軸の公差クラス(&amp;J)</source>
        <translation>Sh&amp;aft class</translation>
    </message>
    <message>
        <source>軸の公差クラス。一覧から選ぶか、g6 のように小文字で入力します。買う部品は寸法許容差を +0.021/+0.008 のように入力できます</source>
        <translation>Shaft class: pick it or type it in lower case (g6); for a bought part, its limit deviations (+0.021/+0.008)</translation>
    </message>
    <message>
        <source>規格(&amp;K)</source>
        <translation>Stan&amp;dard</translation>
    </message>
    <message>
        <source>JIS B 0401 (1984) の表か、JIS B 0401:2016 (= ISO 286:2010) か</source>
        <translation>The table of JIS B 0401 (1984), or JIS B 0401:2016 (= ISO 286:2010)</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>一覧から使った組の前の穴と軸に戻します</source>
        <translation>Brings back the hole and shaft that a pair from the list replaced</translation>
    </message>
    <message>
        <source>穴 %1</source>
        <translation>Hole %1</translation>
    </message>
    <message>
        <source>軸 %1</source>
        <translation>Shaft %1</translation>
    </message>
    <message>
        <source>穴の%1</source>
        <translation>Hole — %1</translation>
    </message>
    <message>
        <source>軸の%1</source>
        <translation>Shaft — %1</translation>
    </message>
    <message>
        <source>%1/%2 を使いました（Ctrl+Z で %3 に戻します）</source>
        <translation>Took %1/%2 (Ctrl+Z brings back %3)</translation>
    </message>
    <message>
        <source>%1/%2 に戻しました</source>
        <translation>Back to %1/%2</translation>
    </message>
    <message>
        <source>コピーできるはめあいがありません</source>
        <translation>There is no fit to copy</translation>
    </message>
    <message>
        <source>コピーしました: %1</source>
        <translation>Copied: %1</translation>
    </message>
    <message>
        <source>上の寸法許容差</source>
        <translation>Upper limit deviation</translation>
    </message>
    <message>
        <source>下の寸法許容差</source>
        <translation>Lower limit deviation</translation>
    </message>
    <message>
        <source>最大許容寸法</source>
        <translation>Upper limit of size</translation>
    </message>
    <message>
        <source>最小許容寸法</source>
        <translation>Lower limit of size</translation>
    </message>
    <message>
        <source>穴の上の寸法許容差</source>
        <translation>Hole&apos;s upper limit deviation</translation>
    </message>
    <message>
        <source>穴の下の寸法許容差</source>
        <translation>Hole&apos;s lower limit deviation</translation>
    </message>
    <message>
        <source>穴の最大許容寸法</source>
        <translation>Hole&apos;s upper limit of size</translation>
    </message>
    <message>
        <source>穴の最小許容寸法</source>
        <translation>Hole&apos;s lower limit of size</translation>
    </message>
    <message>
        <source>軸の上の寸法許容差</source>
        <translation>Shaft&apos;s upper limit deviation</translation>
    </message>
    <message>
        <source>軸の下の寸法許容差</source>
        <translation>Shaft&apos;s lower limit deviation</translation>
    </message>
    <message>
        <source>軸の最大許容寸法</source>
        <translation>Shaft&apos;s upper limit of size</translation>
    </message>
    <message>
        <source>軸の最小許容寸法</source>
        <translation>Shaft&apos;s lower limit of size</translation>
    </message>
    <message>
        <source>穴の出典: JIS B 0401:2016（1984 年版の表にない値）</source>
        <translation>Hole — source: JIS B 0401:2016 (not in the 1984 table)</translation>
    </message>
    <message>
        <source>寸法とはめあい</source>
        <translation>Sizes and fit</translation>
    </message>
    <message>
        <source>最大すきまと最小すきまの差（穴と軸の公差の和）</source>
        <translation>The maximum less the minimum clearance (the sum of both tolerances)</translation>
    </message>
    <message>
        <source>φ3149.9999 ZC18/zc18 すきまばめ 最大すきま 0.000 最小すきま 0.000</source>
        <translation>minimum interference 0.0000, maximum interference 0.0000</translation>
    </message>
    <message>
        <source>穴・軸の寸法許容差とはめあいを図面の表記でコピーします (Ctrl+C)</source>
        <translation>Copies the hole&apos;s and the shaft&apos;s limit deviations and the fit as a drawing writes them (Ctrl+C)</translation>
    </message>
    <message>
        <source>公差域（単位 μm）</source>
        <translation>Tolerance zones (µm)</translation>
    </message>
</context>
<context>
    <name>GeneralLookup</name>
    <message>
        <source>表の範囲外（%1 より小さい）</source>
        <translation>Outside the table (below %1)</translation>
    </message>
    <message>
        <source>表の範囲外</source>
        <translation>Outside the table</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>長さの普通公差</source>
        <translation>General tolerance of a length</translation>
    </message>
    <message>
        <source>面取り部分の普通公差</source>
        <translation>General tolerance of a broken edge</translation>
    </message>
    <message>
        <source>角度の普通公差</source>
        <translation>General tolerance of an angle</translation>
    </message>
    <message>
        <source>例: 35</source>
        <translation>e.g. 35</translation>
    </message>
    <message>
        <source>普通公差を見る寸法</source>
        <translation>Size to look up</translation>
    </message>
    <message>
        <source>普通公差の等級</source>
        <translation>Tolerance class</translation>
    </message>
    <message>
        <source>f 精級</source>
        <translation>f fine</translation>
    </message>
    <message>
        <source>m 中級</source>
        <translation>m medium</translation>
    </message>
    <message>
        <source>c 粗級</source>
        <translation>c coarse</translation>
    </message>
    <message>
        <source>v 極粗級</source>
        <translation>v very coarse</translation>
    </message>
    <message>
        <source>寸法 mm(&amp;Z)</source>
        <translation>Si&amp;ze, mm</translation>
    </message>
    <message>
        <source>等級(&amp;L)</source>
        <translation>C&amp;lass</translation>
    </message>
    <message>
        <source>長さ</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>面取り部分</source>
        <translation>Broken edge</translation>
    </message>
    <message>
        <source>角度（短い辺）</source>
        <translation>Angle (shorter side)</translation>
    </message>
    <message>
        <source>JIS B 0405 (ISO 2768-1)。部品の公差に等級の文字だけ（m など）を書くと、呼び寸法の長さの普通公差になります</source>
        <translation>JIS B 0405 (ISO 2768-1). A member&apos;s tolerance given as the class&apos;s letter alone (such as m) is the general tolerance of its nominal length</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>言語(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>デスクトップに合わせる(&amp;D)</source>
        <translation>As the &amp;desktop</translation>
    </message>
    <message>
        <source>日本語(&amp;J)</source>
        <translation>&amp;Japanese</translation>
    </message>
    <message>
        <source>English(&amp;E)</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>画面の言語を選びます。デスクトップに合わせると、デスクトップの言語が日本語なら日本語、そのほかは英語です</source>
        <translation>Chooses the window&apos;s language. As the desktop: Japanese where the desktop speaks Japanese, English otherwise</translation>
    </message>
</context>
<context>
    <name>MemberTable</name>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>向き</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>呼び寸法 mm</source>
        <translation>Nominal, mm</translation>
    </message>
    <message>
        <source>公差</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>寸法許容差 mm</source>
        <translation>Limit deviations, mm</translation>
    </message>
    <message>
        <source>材料</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>温度 °C</source>
        <translation>Temperature, °C</translation>
    </message>
</context>
<context>
    <name>MembersPanel</name>
    <message>
        <source>追加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>選んだ部品の下に部品を追加します (Ctrl++)</source>
        <translation>Adds a member below the one chosen (Ctrl++)</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>選んだ部品を削除します (Ctrl+-)。Ctrl+Z で戻せます</source>
        <translation>Deletes the member chosen (Ctrl+-); Ctrl+Z brings it back</translation>
    </message>
    <message>
        <source>上へ(&amp;U)</source>
        <translation>&amp;Up</translation>
    </message>
    <message>
        <source>選んだ部品を一つ上へ移します (Alt+↑)</source>
        <translation>Moves the member chosen up by one (Alt+↑)</translation>
    </message>
    <message>
        <source>下へ(&amp;N)</source>
        <translation>Dow&amp;n</translation>
    </message>
    <message>
        <source>選んだ部品を一つ下へ移します (Alt+↓)</source>
        <translation>Moves the member chosen down by one (Alt+↓)</translation>
    </message>
    <message>
        <source>部品(&amp;M)</source>
        <translation>&amp;Members</translation>
    </message>
    <message>
        <source>部品</source>
        <translation>Members</translation>
    </message>
    <message>
        <source>向き（+ 大きくする / − 小さくする）・呼び寸法・公差（H8、+0.1/-0.05、m、bearing:0 6204）。材料と温度は任意</source>
        <translation>Direction (+ lengthens, − shortens), nominal, tolerance (H8, +0.1/-0.05, m, bearing:0 6204); the rest optional</translation>
    </message>
    <message>
        <source>%1 行目: %2</source>
        <translation>Row %1: %2</translation>
    </message>
</context>
<context>
    <name>OutlookLines</name>
    <message>
        <source>穴基準でも軸基準でもある組</source>
        <translation>a pair of both systems</translation>
    </message>
    <message>
        <source>すきまは同じ</source>
        <translation>the same clearances</translation>
    </message>
    <message>
        <source>最も近い組。最大すきま %1 µm、最小すきま %2 µm の違い</source>
        <translation>the nearest pair;
maximum clearance %1 µm, minimum clearance %2 µm apart</translation>
    </message>
    <message>
        <source>他の基準: %1（%2）</source>
        <translation>Other system: %1 (%2)</translation>
    </message>
    <message>
        <source>99.73 % の組立てのすきま: %1～%2 mm
%3になる確率: %4 %</source>
        <translation>Clearance of 99.73 % of assemblies: %1 to %2 mm
Probability of %3: %4 %</translation>
    </message>
    <message>
        <source>すきま</source>
        <translation>a clearance</translation>
    </message>
    <message>
        <source>しめしろ</source>
        <translation>an interference</translation>
    </message>
    <message>
        <source>他の基準</source>
        <translation>Other system</translation>
    </message>
    <message>
        <source>組立てのすきまのばらつき</source>
        <translation>Spread of the clearance in assembly</translation>
    </message>
    <message>
        <source>正規分布</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>一様分布</source>
        <translation>Uniform</translation>
    </message>
    <message>
        <source>寸法のばらつき</source>
        <translation>Spread of sizes</translation>
    </message>
    <message>
        <source>穴と軸の寸法のばらつき方: 正規分布（公差 = ±3σ、中央）か、公差内で一様か</source>
        <translation>How the hole&apos;s and the shaft&apos;s sizes spread: normally (tolerance = ±3σ, centred) or evenly within the tolerance</translation>
    </message>
    <message>
        <source>同じはめあいを穴基準と軸基準の間で移したときの組</source>
        <translation>The same fit moved between the hole-basis and the shaft-basis fit system</translation>
    </message>
</context>
<context>
    <name>PairFinderWords</name>
    <message>
        <source>最小すきま: %1</source>
        <translation>Minimum clearance: %1</translation>
    </message>
    <message>
        <source>最大すきま: %1</source>
        <translation>Maximum clearance: %1</translation>
    </message>
    <message>
        <source>上の寸法が入ると探します</source>
        <translation>The search starts once a size is typed above</translation>
    </message>
    <message>
        <source>最小すきまが最大すきまより大きくなっています</source>
        <translation>The minimum clearance is greater than the maximum</translation>
    </message>
</context>
<context>
    <name>ProblemTexts</name>
    <message>
        <source>小数点は「.」で入力してください</source>
        <translation>Type the decimal sign as &quot;.&quot;</translation>
    </message>
    <message>
        <source>数字で入力してください（例: %1）</source>
        <translation>Type a number (e.g. %1)</translation>
    </message>
    <message>
        <source>%1: この記号の公差クラスはありません</source>
        <translation>%1: no tolerance class has this letter</translation>
    </message>
    <message>
        <source>%1 に公差等級の数字がありません（例: %1%2）</source>
        <translation>%1 has no tolerance grade (e.g. %1%2)</translation>
    </message>
    <message>
        <source>%1: 公差等級は 01、0、1～18 です</source>
        <translation>%1: the tolerance grades are 01, 0 and 1 to 18</translation>
    </message>
    <message>
        <source>公差を入力してください</source>
        <translation>Type a tolerance</translation>
    </message>
    <message>
        <source>寸法許容差の小数は 4 桁までです</source>
        <translation>Limit deviations have at most 4 decimals</translation>
    </message>
    <message>
        <source>寸法許容差が大きすぎます</source>
        <translation>The limit deviations are too large</translation>
    </message>
    <message>
        <source>下の寸法許容差が上より大きくなっています。上/下 の順に入力します</source>
        <translation>The lower limit deviation is above the upper. Type upper/lower</translation>
    </message>
    <message>
        <source>公差は H8・h7 のような公差クラス、+0.1/-0.05・±0.05 のような寸法許容差 (mm)、普通公差 f・m・c・v、軸受の幅 bearing:0 6204 のいずれかで入力します</source>
        <translation>A tolerance is a tolerance class such as H8 or h7, limit deviations such as +0.1/-0.05 or ±0.05 (mm), a general tolerance f, m, c or v, or a bearing&apos;s width such as bearing:0 6204</translation>
    </message>
    <message>
        <source>公差を入力してください（例: H8、h7、+0.1/-0.05、±0.05、m）</source>
        <translation>Type a tolerance (e.g. H8, h7, +0.1/-0.05, ±0.05, m)</translation>
    </message>
    <message>
        <source>公差クラスには 0 を超え 3150 mm 以下の呼び寸法が要ります</source>
        <translation>A tolerance class needs a nominal over 0 up to 3150 mm</translation>
    </message>
    <message>
        <source>%1 にはこの寸法の値がありません</source>
        <translation>%1 has no value at this size</translation>
    </message>
    <message>
        <source>普通公差 %1 (JIS B 0405) の表は 0.5～4000 mm です</source>
        <translation>The general tolerance %1 (JIS B 0405) covers 0.5 to 4000 mm</translation>
    </message>
    <message>
        <source>軸受の幅の許容差は内径で決まります（例: bearing:0 d20、呼び番号なら bearing:0 6204）</source>
        <translation>A bearing&apos;s width deviation follows from its bore (e.g. bearing:0 d20, or by number bearing:0 6204)</translation>
    </message>
    <message>
        <source>軸受の精度等級は 0、6X、6、5、4、2 です（例: bearing:0 d20）</source>
        <translation>A bearing&apos;s tolerance class is 0, 6X, 6, 5, 4 or 2 (e.g. bearing:0 d20)</translation>
    </message>
    <message>
        <source>この呼び番号の軸受は一覧にありません（内径で bearing:0 d20 とも書けます）</source>
        <translation>No bearing of ours has this number (by its bore: bearing:0 d20)</translation>
    </message>
    <message>
        <source>この内径は軸受の精度等級の表にありません</source>
        <translation>This bore is outside the tolerance class&apos;s table</translation>
    </message>
    <message>
        <source>この軸受の幅は %1 mm です。呼び寸法を幅にします</source>
        <translation>This bearing&apos;s width is %1 mm. Make the nominal its width</translation>
    </message>
    <message>
        <source>円すいころ軸受の組立幅 T の許容差は寸法許容差で入力します</source>
        <translation>Type a tapered roller bearing&apos;s width T as limit deviations</translation>
    </message>
    <message>
        <source>普通公差 %1 (JIS B 0405) にはこの寸法の値がありません（表の「—」）</source>
        <translation>The general tolerance %1 (JIS B 0405) has no value at this size (a &quot;—&quot; in the table)</translation>
    </message>
    <message>
        <source>呼び寸法を mm で入力してください</source>
        <translation>Type the nominal in mm</translation>
    </message>
    <message>
        <source>呼び寸法の小数は 4 桁までです</source>
        <translation>A nominal has at most 4 decimals</translation>
    </message>
    <message>
        <source>呼び寸法は 0 以上です。引く寸法は向きを − にします</source>
        <translation>A nominal is 0 or more. A dimension that takes away has the direction −</translation>
    </message>
    <message>
        <source>呼び寸法は 10000 mm までです</source>
        <translation>A nominal goes up to 10000 mm</translation>
    </message>
    <message>
        <source>絶対零度 (-273.15 °C) より低い温度です</source>
        <translation>The temperature is below absolute zero (-273.15 °C)</translation>
    </message>
    <message>
        <source>温度は 10000 °C までです</source>
        <translation>Temperatures go up to 10000 °C</translation>
    </message>
    <message>
        <source>温度には材料が要ります（膨張を材料から求めます）</source>
        <translation>A temperature needs a material (its expansion comes from the material)</translation>
    </message>
    <message>
        <source>向きを入力してください（結果寸法を大きくする + か、小さくする −）</source>
        <translation>Type the direction (+ adds to the closing dimension, − takes from it)</translation>
    </message>
    <message>
        <source>向きは + か − です</source>
        <translation>The direction is + or −</translation>
    </message>
    <message>
        <source>%1: この材料は一覧にありません</source>
        <translation>%1: no such material in the list</translation>
    </message>
    <message>
        <source>下限か上限、または両方を入力してください（例: 0.1..0.5）</source>
        <translation>Type a lower or an upper bound, or both (e.g. 0.1..0.5)</translation>
    </message>
    <message>
        <source>要求の小数は 4 桁までです</source>
        <translation>A requirement has at most 4 decimals</translation>
    </message>
    <message>
        <source>要求は ±10000 mm までです</source>
        <translation>A requirement goes up to ±10000 mm</translation>
    </message>
    <message>
        <source>下限が上限より大きくなっています。小さい方を先に入力します</source>
        <translation>The lower bound is above the upper. Type the smaller first</translation>
    </message>
    <message>
        <source>要求は 下限..上限 の mm で入力します（例: 0.1..0.5、0.1..、..0.5）</source>
        <translation>Type the requirement as lower..upper in mm (e.g. 0.1..0.5, 0.1.., ..0.5)</translation>
    </message>
    <message>
        <source>%1 番目の部品: </source>
        <translation>Member %1: </translation>
    </message>
    <message>
        <source>%1 行 %2 文字目から JSON として読めません</source>
        <translation>Not JSON from line %1, character %2</translation>
    </message>
    <message>
        <source>公差の積み上げのファイルではありません（&quot;members&quot; がありません）</source>
        <translation>Not a tolerance stack-up file (no &quot;members&quot;)</translation>
    </message>
    <message>
        <source>&quot;members&quot; が部品の一覧 [...] になっていません</source>
        <translation>&quot;members&quot; is no list of members [...]</translation>
    </message>
    <message>
        <source>部品が {&quot;name&quot;: ..., &quot;direction&quot;: ...} の形になっていません</source>
        <translation>A member is not of the form {&quot;name&quot;: ..., &quot;direction&quot;: ...}</translation>
    </message>
    <message>
        <source>&quot;%1&quot; の値の型が違います</source>
        <translation>The value of &quot;%1&quot; is of the wrong type</translation>
    </message>
    <message>
        <source>%1 番目の部品「%2」: </source>
        <translation>Member %1 &quot;%2&quot;: </translation>
    </message>
    <message>
        <source>要求: %1</source>
        <translation>Requirement: %1</translation>
    </message>
    <message>
        <source>分布「%1」は normal か uniform です</source>
        <translation>The distribution &quot;%1&quot; is normal or uniform</translation>
    </message>
    <message>
        <source>部品が多すぎます（%1 個まで）</source>
        <translation>Too many members (%1 at most)</translation>
    </message>
</context>
<context>
    <name>ServiceInputWords</name>
    <message>
        <source>温度</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>ハブ外径</source>
        <translation>Hub&apos;s outside diameter</translation>
    </message>
    <message>
        <source>軸の内径</source>
        <translation>Shaft&apos;s bore</translation>
    </message>
    <message>
        <source>はめあい長さ</source>
        <translation>Joint length</translation>
    </message>
    <message>
        <source>摩擦係数</source>
        <translation>Coefficient of friction</translation>
    </message>
    <message>
        <source>粗さ Rz</source>
        <translation>Roughness Rz</translation>
    </message>
    <message>
        <source>トルク</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>軸方向力</source>
        <translation>Axial force</translation>
    </message>
    <message>
        <source>安全率</source>
        <translation>Safety factor</translation>
    </message>
    <message>
        <source>小数点は「.」で入力してください（例: %1）</source>
        <translation>Type the decimal sign as &quot;.&quot; (e.g. %1)</translation>
    </message>
    <message>
        <source>指数表記（1e4 など）は使えません。10000 のように入力してください</source>
        <translation>No exponents (such as 1e4): type 10000</translation>
    </message>
    <message>
        <source>%1の小数は 4 桁までです（例: %2）</source>
        <translation>%1: at most 4 decimals (e.g. %2)</translation>
    </message>
    <message>
        <source>%1が大きすぎます（例: %2）</source>
        <translation>%1: too large (e.g. %2)</translation>
    </message>
    <message>
        <source>%1は数字で入力してください（例: %2）</source>
        <translation>%1: type a number (e.g. %2)</translation>
    </message>
    <message>
        <source>温度は 1000 °C までです（例: 80）</source>
        <translation>Temperatures go up to 1000 °C (e.g. 80)</translation>
    </message>
    <message>
        <source>ハブ外径は穴より大きい数です（例: 80）</source>
        <translation>The hub&apos;s outside diameter is larger than the hole (e.g. 80)</translation>
    </message>
    <message>
        <source>軸の内径は 0（中実）以上です（例: 20）</source>
        <translation>The shaft&apos;s bore is 0 (solid) or more (e.g. 20)</translation>
    </message>
    <message>
        <source>0 より長いはめあい長さを入力してください（例: 40）</source>
        <translation>Type a joint length over 0 (e.g. 40)</translation>
    </message>
    <message>
        <source>摩擦係数は 0 より大きく 1 以下です（例: 0.15）</source>
        <translation>The coefficient of friction is over 0 up to 1 (e.g. 0.15)</translation>
    </message>
    <message>
        <source>安全率は 0 より大きい数です（例: 1.5）</source>
        <translation>The safety factor is over 0 (e.g. 1.5)</translation>
    </message>
    <message>
        <source>%1は 0 以上です（例: %2）</source>
        <translation>%1: 0 or more (e.g. %2)</translation>
    </message>
    <message>
        <source>%1: この材料は一覧にありません</source>
        <translation>%1: no such material in the list</translation>
    </message>
    <message>
        <source>絶対零度 (-273.15 °C) より低い温度です</source>
        <translation>The temperature is below absolute zero (-273.15 °C)</translation>
    </message>
    <message>
        <source>ハブ外径は穴の最大許容寸法 %1 mm より大きくします</source>
        <translation>The hub&apos;s outside diameter must exceed the hole&apos;s upper limit of size, %1 mm</translation>
    </message>
    <message>
        <source>軸の内径は軸の最小許容寸法 %1 mm より小さくします</source>
        <translation>The shaft&apos;s bore must be under the shaft&apos;s lower limit of size, %1 mm</translation>
    </message>
    <message>
        <source>ハブ外径は呼び寸法 %1 mm より大きくします</source>
        <translation>The hub&apos;s outside diameter must exceed the nominal size, %1 mm</translation>
    </message>
    <message>
        <source>軸の内径は呼び寸法 %1 mm より小さくします</source>
        <translation>The shaft&apos;s bore must be under the nominal size, %1 mm</translation>
    </message>
    <message>
        <source>穴と軸の両方の Rz を入力します（滑らかなら 0）</source>
        <translation>Type both the hole&apos;s and the shaft&apos;s Rz (0 where smooth)</translation>
    </message>
    <message>
        <source>圧入の計算に要ります（例: %1）</source>
        <translation>The press fit needs it (e.g. %1)</translation>
    </message>
    <message>
        <source>材料を選んでください（温度と圧入の計算に要ります）</source>
        <translation>Choose a material (temperature and press fit need it)</translation>
    </message>
    <message>
        <source>荷重で探すには圧入の欄（ハブ外径・長さ・摩擦係数）が要ります</source>
        <translation>A search by load needs the press fit&apos;s fields (hub&apos;s outside diameter, length, friction)</translation>
    </message>
    <message>
        <source>樹脂は温度だけ: 圧入は弾性の計算の外です</source>
        <translation>A plastic gives temperatures only: a press fit is outside the elastic model</translation>
    </message>
</context>
<context>
    <name>ServicePanel</name>
    <message>
        <source>穴の材料</source>
        <translation>Hole&apos;s material</translation>
    </message>
    <message>
        <source>例: S45C</source>
        <translation>e.g. S45C</translation>
    </message>
    <message>
        <source>穴のある部品（ハブ）の材料。一覧から選ぶか名前を入力します</source>
        <translation>The material of the part with the hole (the hub): pick it from the list or type its name</translation>
    </message>
    <message>
        <source>軸の材料</source>
        <translation>Shaft&apos;s material</translation>
    </message>
    <message>
        <source>軸の材料。一覧から選ぶか名前を入力します</source>
        <translation>The shaft&apos;s material: pick it from the list or type its name</translation>
    </message>
    <message>
        <source>穴の温度 °C</source>
        <translation>Hole&apos;s temperature, °C</translation>
    </message>
    <message>
        <source>使用時の穴のある部品の温度。-273.15～1000 °C（空欄なら 20 °C）。材料が耐える温度を超えると注意します</source>
        <translation>The temperature of the part with the hole in service, -273.15 to 1000 °C (empty: 20 °C); a warning where it passes what the material bears</translation>
    </message>
    <message>
        <source>軸の温度 °C</source>
        <translation>Shaft&apos;s temperature, °C</translation>
    </message>
    <message>
        <source>穴と同じ</source>
        <translation>As the hole&apos;s</translation>
    </message>
    <message>
        <source>使用時の軸の温度。-273.15～1000 °C（空欄なら穴と同じ）</source>
        <translation>The shaft&apos;s temperature in service, -273.15 to 1000 °C (empty: as the hole&apos;s part)</translation>
    </message>
    <message>
        <source>ハブ外径 mm</source>
        <translation>Hub&apos;s outside diameter, mm</translation>
    </message>
    <message>
        <source>例: 80</source>
        <translation>e.g. 80</translation>
    </message>
    <message>
        <source>圧入: 穴のある部品（ハブ）の外径。穴の最大許容寸法より大きく</source>
        <translation>Press fit: the outside diameter of the part with the hole (the hub), over the hole&apos;s upper limit of size</translation>
    </message>
    <message>
        <source>軸の内径 mm</source>
        <translation>Shaft&apos;s bore, mm</translation>
    </message>
    <message>
        <source>0（中実）</source>
        <translation>0 (solid)</translation>
    </message>
    <message>
        <source>圧入: 中空軸の内径。軸の最小許容寸法より小さく、中実なら空欄か 0</source>
        <translation>Press fit: a hollow shaft&apos;s bore, under the shaft&apos;s lower limit of size; empty or 0 for a solid shaft</translation>
    </message>
    <message>
        <source>はめあい長さ mm</source>
        <translation>Joint length, mm</translation>
    </message>
    <message>
        <source>例: 40</source>
        <translation>e.g. 40</translation>
    </message>
    <message>
        <source>圧入: はめあいの長さ。0 より長く</source>
        <translation>Press fit: the length of the joint, over 0</translation>
    </message>
    <message>
        <source>摩擦係数</source>
        <translation>Coefficient of friction</translation>
    </message>
    <message>
        <source>例: 0.15</source>
        <translation>e.g. 0.15</translation>
    </message>
    <message>
        <source>圧入: 摩擦係数。0 より大きく 1 以下。鋼と鋼は乾燥 0.15・油 0.10、鋼と鋳鉄は 0.12・0.08、鋼とアルミや青銅は 0.10・0.06、焼きばめは圧入より少し大きめ</source>
        <translation>Press fit: the coefficient of friction, over 0 up to 1. Steel on steel dry 0.15, oiled 0.10; steel on cast iron 0.12, 0.08; steel on aluminium or bronze 0.10, 0.06; a shrink fit a little more than a press fit</translation>
    </message>
    <message>
        <source>穴の粗さ Rz µm</source>
        <translation>Hole&apos;s roughness Rz, µm</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>圧入: 穴の面の Rz。軸の Rz と両方入れると、しめしろから 0.4 ×（両面の Rz の和）を引きます</source>
        <translation>Press fit: the Rz of the hole&apos;s surface. With the shaft&apos;s Rz too, 0.4 × (the sum of both Rz) is taken off the interference</translation>
    </message>
    <message>
        <source>軸の粗さ Rz µm</source>
        <translation>Shaft&apos;s roughness Rz, µm</translation>
    </message>
    <message>
        <source>圧入: 軸の面の Rz。穴の Rz と両方入れます</source>
        <translation>Press fit: the Rz of the shaft&apos;s surface, given with the hole&apos;s</translation>
    </message>
    <message>
        <source>トルク N·m</source>
        <translation>Torque, N·m</translation>
    </message>
    <message>
        <source>探すとき</source>
        <translation>For the search</translation>
    </message>
    <message>
        <source>はめあいを探すとき: この伝達トルクを最小しめしろで保つ組だけを残します。0 以上</source>
        <translation>Finding a fit: keeps only the pairs that transmit this torque at their minimum interference; 0 or more</translation>
    </message>
    <message>
        <source>軸方向力 N</source>
        <translation>Axial force, N</translation>
    </message>
    <message>
        <source>はめあいを探すとき: この軸方向力を最小しめしろで保つ組だけを残します。0 以上</source>
        <translation>Finding a fit: keeps only the pairs that hold this axial force at their minimum interference; 0 or more</translation>
    </message>
    <message>
        <source>安全率</source>
        <translation>Safety factor</translation>
    </message>
    <message>
        <source>はめあいを探すとき: すべりに対する安全率。0 より大きく（空欄なら 1）</source>
        <translation>Finding a fit: the safety factor against slip, over 0 (empty: 1)</translation>
    </message>
    <message>
        <source>使用条件（温度と圧入）(&amp;W)</source>
        <translation>In se&amp;rvice (temperatures and press fit)</translation>
    </message>
    <message>
        <source>材料・温度・圧入の条件から、使用時のはめあいと圧入の強さを計算します</source>
        <translation>Works out the fit in service and the strength of a press fit from the materials, temperatures and joint</translation>
    </message>
</context>
<context>
    <name>ServiceTexts</name>
    <message>
        <source>応力なし</source>
        <translation>no stress</translation>
    </message>
    <message>
        <source>焼戻し温度</source>
        <translation>tempering temperature</translation>
    </message>
    <message>
        <source>変態の始まる温度 (Ac1)</source>
        <translation>transformation start (Ac1)</translation>
    </message>
    <message>
        <source>鋭敏化の始まる温度</source>
        <translation>sensitisation start</translation>
    </message>
    <message>
        <source>セメンタイトの分解が始まる温度</source>
        <translation>start of cementite decomposition</translation>
    </message>
    <message>
        <source>安定化処理の温度</source>
        <translation>stabilising temperature</translation>
    </message>
    <message>
        <source>時効処理の温度</source>
        <translation>ageing temperature</translation>
    </message>
    <message>
        <source>焼なまし温度</source>
        <translation>annealing temperature</translation>
    </message>
    <message>
        <source>溶け始める温度（固相線）</source>
        <translation>solidus (melting start)</translation>
    </message>
    <message>
        <source>機械的に使える最高温度</source>
        <translation>highest temperature for mechanical use</translation>
    </message>
    <message>
        <source>連続使用の最高温度</source>
        <translation>highest temperature in continuous use</translation>
    </message>
    <message>
        <source>注意: %1 %2 は %3 の%4 %5 を超えます</source>
        <translation>Caution: %1 %2 exceeds the %4 of %3, %5</translation>
    </message>
    <message>
        <source>穴の最大許容寸法</source>
        <translation>Hole&apos;s upper limit of size</translation>
    </message>
    <message>
        <source>穴の最小許容寸法</source>
        <translation>Hole&apos;s lower limit of size</translation>
    </message>
    <message>
        <source>軸の最大許容寸法</source>
        <translation>Shaft&apos;s upper limit of size</translation>
    </message>
    <message>
        <source>軸の最小許容寸法</source>
        <translation>Shaft&apos;s lower limit of size</translation>
    </message>
    <message>
        <source>最大すきま（負はしめしろ）</source>
        <translation>Maximum clearance (negative: interference)</translation>
    </message>
    <message>
        <source>最小すきま（負はしめしろ）</source>
        <translation>Minimum clearance (negative: interference)</translation>
    </message>
    <message>
        <source>はめあいの種類</source>
        <translation>Type of fit</translation>
    </message>
    <message>
        <source>%1 では%2から%3に変わります</source>
        <translation>At %1 the %2 becomes a %3</translation>
    </message>
    <message>
        <source>%1最小しめしろが残らないので、摩擦で保持できるとは限りません（すきまばめ・中間ばめ）</source>
        <translation>%1no minimum interference is left, so friction holds nothing for certain (a clearance or transition fit)</translation>
    </message>
    <message>
        <source>ハブの内径と軸の内径</source>
        <translation>The hub&apos;s bore and the shaft&apos;s bore</translation>
    </message>
    <message>
        <source>ハブの内径</source>
        <translation>The hub&apos;s bore</translation>
    </message>
    <message>
        <source>軸の内径</source>
        <translation>The shaft&apos;s bore</translation>
    </message>
    <message>
        <source>%1%2が最小しめしろでも降伏します。降伏を超えると弾性の計算は成り立たないので、その数値は示しません</source>
        <translation>%1%2 yields even at the minimum interference. Past yield the elastic model fails, so its figures are not shown</translation>
    </message>
    <message>
        <source>%1%2が最大しめしろで降伏します。降伏を超えると弾性の計算は成り立たないので、その数値は示しません</source>
        <translation>%1%2 yields at the maximum interference. Past yield the elastic model fails, so its figures are not shown</translation>
    </message>
    <message>
        <source>樹脂の部品は弾性の計算の外です: 圧入は計算しません（温度の計算だけ）</source>
        <translation>A plastic part is outside the elastic model: no press fit is worked out (temperatures only)</translation>
    </message>
    <message>
        <source>実効しめしろ（最小）</source>
        <translation>Effective interference (minimum)</translation>
    </message>
    <message>
        <source>実効しめしろ（最大）</source>
        <translation>Effective interference (maximum)</translation>
    </message>
    <message>
        <source>面圧（最小しめしろ）</source>
        <translation>Contact pressure (minimum interference)</translation>
    </message>
    <message>
        <source>伝達トルク</source>
        <translation>Transmissible torque</translation>
    </message>
    <message>
        <source>軸方向の保持力</source>
        <translation>Transmissible axial force</translation>
    </message>
    <message>
        <source>面圧（最大しめしろ）</source>
        <translation>Contact pressure (maximum interference)</translation>
    </message>
    <message>
        <source>圧入力</source>
        <translation>Press-in force</translation>
    </message>
    <message>
        <source>ハブ内径の円周応力</source>
        <translation>Tangential stress at the hub&apos;s bore</translation>
    </message>
    <message>
        <source>ハブ内径の相当応力</source>
        <translation>Equivalent stress at the hub&apos;s bore</translation>
    </message>
    <message>
        <source>ハブの降伏に対する安全率</source>
        <translation>Hub&apos;s safety against yield</translation>
    </message>
    <message>
        <source>軸の相当応力</source>
        <translation>Shaft&apos;s equivalent stress</translation>
    </message>
    <message>
        <source>軸の降伏に対する安全率</source>
        <translation>Shaft&apos;s safety against yield</translation>
    </message>
    <message>
        <source>焼きばめのハブ温度</source>
        <translation>Hub&apos;s temperature for a shrink fit</translation>
    </message>
    <message>
        <source>不要</source>
        <translation>not needed</translation>
    </message>
    <message>
        <source>焼きばめ: 軸は 20 °C、はめあいすきま %1</source>
        <translation>Shrink fit: the shaft at 20 °C, joining clearance %1</translation>
    </message>
    <message>
        <source>焼きばめ: 最小すきま %1 がはめあいすきま %2 以上あるので、加熱せずにはまります</source>
        <translation>Shrink fit: the minimum clearance %1 is at least the joining clearance %2, so it goes together without heating</translation>
    </message>
    <message>
        <source>しめしろから 0.4 ×（穴と軸の Rz の和）= %1 を差し引きます（DIN 7190-1:2017）</source>
        <translation>Smoothing: 0.4 × (the sum of both Rz) = %1 taken off the interference (DIN 7190-1:2017)</translation>
    </message>
    <message>
        <source>粗さの入力がないので、しめしろは平滑化していません</source>
        <translation>No roughness given, so the interference is not smoothed</translation>
    </message>
    <message>
        <source>穴 %1・軸 %2</source>
        <translation>hole %1, shaft %2</translation>
    </message>
    <message>
        <source>穴の部品の温度</source>
        <translation>The hole&apos;s part&apos;s temperature</translation>
    </message>
    <message>
        <source>軸の温度</source>
        <translation>The shaft&apos;s temperature</translation>
    </message>
    <message>
        <source>使用条件 穴 %1 軸 %2</source>
        <translation>In service: hole %1, shaft %2</translation>
    </message>
    <message>
        <source>（%1 で %2）</source>
        <translation> (at %1: %2)</translation>
    </message>
</context>
<context>
    <name>ShareChart</name>
    <message>
        <source>寄与率のグラフ</source>
        <translation>Chart of contributions</translation>
    </message>
    <message>
        <source>部品の寸法と公差がそろうと、各部品の寄与率を示します</source>
        <translation>Once the members&apos; sizes and tolerances are in, each member&apos;s contribution is shown</translation>
    </message>
    <message>
        <source>%1 分散の %2、最悪値の %3</source>
        <translation>%1 %2 of the variance, %3 of the worst case</translation>
    </message>
    <message>
        <source>%1 行目</source>
        <translation>Row %1</translation>
    </message>
    <message>
        <source>寄与率の大きい順: %1</source>
        <translation>Contributions, largest first: %1</translation>
    </message>
    <message numerus="yes">
        <source>ほか %n 個</source>
        <translation>
            <numerusform>%n more</numerusform>
            <numerusform>%n more</numerusform>
        </translation>
    </message>
    <message>
        <source>分散への寄与</source>
        <translation>Share of variance</translation>
    </message>
    <message>
        <source>最悪値への寄与</source>
        <translation>Share of worst case</translation>
    </message>
</context>
<context>
    <name>SheetActions</name>
    <message>
        <source>計算書を PDF で保存(&amp;E)…</source>
        <translation>Sav&amp;e the calculation sheet as PDF…</translation>
    </message>
    <message>
        <source>表示中の答えの計算書を PDF で保存します (Ctrl+Shift+E)</source>
        <translation>Saves the calculation sheet of the answer shown as PDF (Ctrl+Shift+E)</translation>
    </message>
    <message>
        <source>印刷(&amp;P)…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>表示中の答えの計算書を印刷します (Ctrl+P)</source>
        <translation>Prints the calculation sheet of the answer shown (Ctrl+P)</translation>
    </message>
    <message>
        <source>計算書を PDF で保存</source>
        <translation>Save the calculation sheet as PDF</translation>
    </message>
    <message>
        <source>計算書にできる答えがありません</source>
        <translation>There is no answer to make a calculation sheet of</translation>
    </message>
    <message>
        <source>計算書を保存しました: %1</source>
        <translation>Calculation sheet saved: %1</translation>
    </message>
    <message>
        <source>計算書を保存できません</source>
        <translation>Cannot save the calculation sheet</translation>
    </message>
    <message>
        <source>%1 に書けませんでした: %2</source>
        <translation>Could not write %1: %2</translation>
    </message>
    <message>
        <source>計算書を印刷に送りました</source>
        <translation>Calculation sheet sent to the printer</translation>
    </message>
    <message>
        <source>印刷できません</source>
        <translation>Cannot print</translation>
    </message>
</context>
<context>
    <name>SideInputWords</name>
    <message>
        <source>寸法許容差の小数は 4 桁までです</source>
        <translation>Limit deviations have at most 4 decimals</translation>
    </message>
    <message>
        <source>寸法許容差が大きすぎます</source>
        <translation>The limit deviations are too large</translation>
    </message>
    <message>
        <source>下の寸法許容差が上より大きくなっています。上/下 の順に入力します</source>
        <translation>The lower limit deviation is above the upper. Type upper/lower</translation>
    </message>
    <message>
        <source>寸法許容差は 上/下 の mm で入力します（例: 0/-0.009、±0.005）</source>
        <translation>Type limit deviations as upper/lower in mm (e.g. 0/-0.009, ±0.005)</translation>
    </message>
</context>
<context>
    <name>StackModel</name>
    <message>
        <source>%1 行目: %2</source>
        <translation>Row %1: %2</translation>
    </message>
    <message>
        <source>部品を追加してください（Ctrl++）</source>
        <translation>Add a member (Ctrl++)</translation>
    </message>
    <message>
        <source>要求: %1</source>
        <translation>Requirement: %1</translation>
    </message>
</context>
<context>
    <name>StackTexts</name>
    <message>
        <source>%1 ～ %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>正規分布</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>一様分布</source>
        <translation>uniform</translation>
    </message>
    <message>
        <source>統計（%1、99.73 % が入る範囲）</source>
        <translation>Statistical (%1, 99.73 % within)</translation>
    </message>
    <message>
        <source>モンテカルロ法（%1 個）</source>
        <translation>Monte Carlo (%1 samples)</translation>
    </message>
    <message>
        <source>結果寸法 最悪値 %1、%2 %3</source>
        <translation>Closing dimension, worst case %1, %2 %3</translation>
    </message>
    <message>
        <source>、要求から外れる確率 %1</source>
        <translation>, probability outside the requirement %1</translation>
    </message>
</context>
<context>
    <name>StackWindow</name>
    <message>
        <source>Tessaly 公差の積み上げ</source>
        <translation>Tessaly Tolerance Stack-up</translation>
    </message>
    <message>
        <source>公差の積み上げ (*.json);;すべてのファイル (*)</source>
        <translation>Tolerance stack-up (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>部品を追加 (Ctrl++) して向き・呼び寸法・公差を入力すると、すぐに計算します</source>
        <translation>Add a member (Ctrl++) and type its direction, nominal and tolerance: the answer comes as you type</translation>
    </message>
    <message>
        <source>寄与率(&amp;C)</source>
        <translation>&amp;Contributions</translation>
    </message>
    <message>
        <source>普通公差(&amp;G)</source>
        <translation>&amp;General tolerances</translation>
    </message>
    <message>
        <source>新規(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>空の積み上げを始めます</source>
        <translation>Starts an empty stack-up</translation>
    </message>
    <message>
        <source>開く(&amp;O)…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>積み上げのファイル (.json) を開きます</source>
        <translation>Opens a stack-up file (.json)</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>積み上げをファイルに保存します</source>
        <translation>Saves the stack-up to its file</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)…</source>
        <translation>Save &amp;as…</translation>
    </message>
    <message>
        <source>積み上げを新しいファイルに保存します</source>
        <translation>Saves the stack-up to a new file</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>部品の表の変更を一つ戻します</source>
        <translation>Takes back one change of the members&apos; table</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>戻した変更をやり直します</source>
        <translation>Makes a change taken back again</translation>
    </message>
    <message>
        <source>部品を追加(&amp;I)</source>
        <translation>&amp;Insert member</translation>
    </message>
    <message>
        <source>選んだ部品の下に部品を追加します</source>
        <translation>Adds a member below the one chosen</translation>
    </message>
    <message>
        <source>部品を削除(&amp;D)</source>
        <translation>&amp;Delete member</translation>
    </message>
    <message>
        <source>選んだ部品を削除します</source>
        <translation>Deletes the member chosen</translation>
    </message>
    <message>
        <source>上へ移動(&amp;P)</source>
        <translation>Move u&amp;p</translation>
    </message>
    <message>
        <source>下へ移動(&amp;W)</source>
        <translation>Move do&amp;wn</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>最近使ったファイル(&amp;R)</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>元に戻しました</source>
        <translation>Taken back</translation>
    </message>
    <message>
        <source>やり直しました</source>
        <translation>Made again</translation>
    </message>
    <message>
        <source>積み上げは変更されています。保存しますか?</source>
        <translation>The stack-up has changed. Save it?</translation>
    </message>
    <message>
        <source>保存しない(&amp;N)</source>
        <translation>Do&amp;n&apos;t save</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>新しい積み上げです</source>
        <translation>A new stack-up</translation>
    </message>
    <message>
        <source>積み上げを開く</source>
        <translation>Open a stack-up</translation>
    </message>
    <message>
        <source>%1 を開けませんでした。
%2</source>
        <translation>Could not open %1.
%2</translation>
    </message>
    <message>
        <source>開きました: %1</source>
        <translation>Opened: %1</translation>
    </message>
    <message>
        <source>保存できません: %1</source>
        <translation>Cannot save: %1</translation>
    </message>
    <message>
        <source>保存できません。%1</source>
        <translation>Cannot save. %1</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>%1 に保存できませんでした。
%2</source>
        <translation>Could not save to %1.
%2</translation>
    </message>
    <message>
        <source>保存しました: %1</source>
        <translation>Saved: %1</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>、</source>
        <comment>joins clauses</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>。</source>
        <comment>joins sentences</comment>
        <translation>. </translation>
    </message>
</context>
<context>
    <name>ZonePicture</name>
    <message>
        <source>公差域の図</source>
        <translation>Picture of the tolerance zones</translation>
    </message>
    <message>
        <source>穴 %1 %2／%3 µm、軸 %4 %5／%6 µm、%7</source>
        <translation>hole %1 %2/%3 µm, shaft %4 %5/%6 µm, %7</translation>
    </message>
    <message>
        <source>寸法と公差クラスが入ると公差域を描きます</source>
        <translation>The tolerance zones are drawn once a size and classes are in</translation>
    </message>
    <message>
        <source>、%1 では穴 %2／%3 µm、軸 %4／%5 µm</source>
        <translation>, at %1 hole %2/%3 µm, shaft %4/%5 µm</translation>
    </message>
    <message>
        <source>穴 %1・軸 %2</source>
        <translation>hole %1, shaft %2</translation>
    </message>
    <message>
        <source>穴 H7 +0.0000</source>
        <translation>Hole H7 +0.0000</translation>
    </message>
    <message>
        <source>穴 %1</source>
        <translation>Hole %1</translation>
    </message>
    <message>
        <source>軸 %1</source>
        <translation>Shaft %1</translation>
    </message>
    <message>
        <source>寸法と公差クラスを入れると
公差域を描きます</source>
        <translation>Type a size and classes
to draw the tolerance zones</translation>
    </message>
</context>
</TS>
