<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK">
<context>
    <name>app::Program</name>
    <message>
        <source>Application is already running</source>
        <translation>本軟件已經在運行中</translation>
    </message>
</context>
<context>
    <name>links::frmAbout</name>
    <message>
        <source>&amp;OK</source>
        <translation>確定(&amp;O)</translation>
    </message>
    <message>
        <source>Opens the vendor&apos;s web site in your browser</source>
        <translation>在瀏覽器中開啟廠商的網站</translation>
    </message>
    <message>
        <source>Opens the offer&apos;s page in your browser</source>
        <translation>在瀏覽器中開啟創業機會的網頁</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>關閉這個視窗</translation>
    </message>
    <message>
        <source>LV Sortilo is an ancient method of Chinese fortune telling with bamboo sticks. It is also known as Kau Cim. This form of divination with sticks is a religious art and has proven to be very accurate.</source>
        <translation>LV Sortilo 是以竹籤占卜的中國古老算命方法，也就是俗稱的「求籤」。這種以籤問卜的方式是一門宗教藝術，向來以靈驗著稱。</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>按此了解詳情。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>在家創業好機會：開創屬於您的互聯網事業，在網上賺錢，還能取得冠上您網站品牌的本軟件專屬版本。</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>按此瀏覽 %1</translation>
    </message>
</context>
<context>
    <name>modFortunrCookies</name>
    <message>
        <source>You will hear some good news soon.</source>
        <translation>近日將有佳音傳來。</translation>
    </message>
    <message>
        <source>A long travel is written in the books which may turn out to be beneficial.</source>
        <translation>命中注定有一趟遠行，此行或許會為您帶來好處。</translation>
    </message>
    <message>
        <source>You will hear some important news.</source>
        <translation>您將聽到一則重要的消息。</translation>
    </message>
    <message>
        <source>Be careful in spending. Things will only get worse.</source>
        <translation>花錢務必謹慎，往後只會每況愈下。</translation>
    </message>
    <message>
        <source>Luck will help you take risks and gamble.</source>
        <translation>好運將助您放手冒險一搏。</translation>
    </message>
    <message>
        <source>You will achieve what you desire.</source>
        <translation>心中所願，終將實現。</translation>
    </message>
    <message>
        <source>You may relocate in the coming year.</source>
        <translation>來年您可能會遷居他處。</translation>
    </message>
    <message>
        <source>Someone may be jealous of you.</source>
        <translation>有人可能在嫉妒您。</translation>
    </message>
    <message>
        <source>Temptation will get the better of you.</source>
        <translation>您將抵擋不住誘惑。</translation>
    </message>
    <message>
        <source>Be ready for a lot of changes to happen.</source>
        <translation>請做好準備，許多變化即將發生。</translation>
    </message>
    <message>
        <source>You will lose a friend.</source>
        <translation>您將失去一位朋友。</translation>
    </message>
    <message>
        <source>Do not get into arguments about trivial matters.</source>
        <translation>莫為瑣事與人爭執。</translation>
    </message>
    <message>
        <source>A male friend of yours may break relations with you.</source>
        <translation>一位男性友人可能會與您斷絕往來。</translation>
    </message>
    <message>
        <source>If you work hard you will receive great rewards.</source>
        <translation>只要努力耕耘，必有豐厚回報。</translation>
    </message>
    <message>
        <source>Expenses are bound to occur, but it will be for the best.</source>
        <translation>開銷在所難免，但結果終歸是好的。</translation>
    </message>
    <message>
        <source>You will go on a sudden journey with a compatible friend.</source>
        <translation>您將與一位投緣的朋友臨時結伴出遊。</translation>
    </message>
    <message>
        <source>A trustworthy person may break your trust in him/her.</source>
        <translation>一個看似可靠的人，可能會辜負您的信任。</translation>
    </message>
    <message>
        <source>Someone new will enter your life and bring you rewards and pleasure.</source>
        <translation>將有新的貴人走進您的生命，為您帶來收穫與歡樂。</translation>
    </message>
    <message>
        <source>Your friend will give you some bad news.</source>
        <translation>朋友將帶給您一些壞消息。</translation>
    </message>
    <message>
        <source>Remember to trust yourself and believe in your abilities.</source>
        <translation>記得相信自己，相信自己的能力。</translation>
    </message>
    <message>
        <source>You may receive an inheritance from a far away relative.</source>
        <translation>您可能會從遠方親戚那裏得到一筆遺產。</translation>
    </message>
    <message>
        <source>You will soon face an important decision that you will need to make on your own.</source>
        <translation>不久您將面臨一個重要抉擇，必須獨自做出決定。</translation>
    </message>
    <message>
        <source>Your actions will please someone who matters to you.</source>
        <translation>您的作為將令一位對您很重要的人感到欣慰。</translation>
    </message>
    <message>
        <source>Try to change your bad habits before they create problems.</source>
        <translation>趁壞習慣還沒惹出麻煩，及早改掉吧。</translation>
    </message>
    <message>
        <source>An unknown foreigner will bring you benefits and riches.</source>
        <translation>一位素不相識的外國人將為您帶來好處與財富。</translation>
    </message>
    <message>
        <source>A fair woman will be the cause of your troubles.</source>
        <translation>一位膚色白皙的女子將是您煩惱的根源。</translation>
    </message>
    <message>
        <source>You will experience changes every seven years.</source>
        <translation>每隔七年，您的人生就會有所轉變。</translation>
    </message>
    <message>
        <source>You will receive a surprise and sleep in an unfamiliar place.</source>
        <translation>您將遇上一件意想不到的事，並在陌生的地方過夜。</translation>
    </message>
    <message>
        <source>You will not marry your first love, but this will work out for the best.</source>
        <translation>您不會與初戀情人結婚，但這樣反而最好。</translation>
    </message>
    <message>
        <source>Someone is out for revenge for something you may not have committed.</source>
        <translation>有人為了一件未必是您所做的事，想找您報復。</translation>
    </message>
    <message>
        <source>Some important news may change your lifestyle.</source>
        <translation>某個重要消息可能改變您的生活方式。</translation>
    </message>
    <message>
        <source>Listen to the good advice of trusted friend.</source>
        <translation>聽從可靠朋友的良言相勸。</translation>
    </message>
    <message>
        <source>A dark woman will be the cause of your troubles.</source>
        <translation>一位膚色黝黑的女子將是您煩惱的根源。</translation>
    </message>
    <message>
        <source>You will receive a letter with an unusual proposal very soon.</source>
        <translation>不久您將收到一封信，信中有個不尋常的提議。</translation>
    </message>
    <message>
        <source>You will soon embark on an enjoyable adventure.</source>
        <translation>不久您將展開一段愉快的冒險。</translation>
    </message>
    <message>
        <source>You will receive unexpected financial and emotional joy.</source>
        <translation>財運與感情將雙雙為您帶來意外之喜。</translation>
    </message>
    <message>
        <source>An ungrateful person will create problems for you.</source>
        <translation>一個忘恩負義的人會給您製造麻煩。</translation>
    </message>
    <message>
        <source>A good evening may turn out to have a bad outcome.</source>
        <translation>美好的夜晚，結局可能不盡如人意。</translation>
    </message>
    <message>
        <source>You have made a promise without thinking, but it is one you are now bound to keep.</source>
        <translation>您曾不假思索地許下承諾，如今卻必須信守。</translation>
    </message>
    <message>
        <source>You will receive a message which will create temporary trouble for you.</source>
        <translation>您將收到一則訊息，給您帶來一時的麻煩。</translation>
    </message>
    <message>
        <source>A jealous person around you will soon cause an argument.</source>
        <translation>您身邊一個心懷嫉妒的人，不久將挑起爭端。</translation>
    </message>
    <message>
        <source>A position in life you have long desired will soon be yours.</source>
        <translation>您渴望已久的地位，不久就會屬於您。</translation>
    </message>
    <message>
        <source>You will soon receive great honors.</source>
        <translation>不久您將獲得極大的榮耀。</translation>
    </message>
    <message>
        <source>A friend will deceive you.</source>
        <translation>會有朋友欺騙您。</translation>
    </message>
    <message>
        <source>A person with a dark complexion is jealous of you.</source>
        <translation>一位膚色黝黑的人在嫉妒您。</translation>
    </message>
    <message>
        <source>A friend you trust is secretly against you.</source>
        <translation>您信任的一位朋友，暗地裏與您作對。</translation>
    </message>
    <message>
        <source>You will soon receive a large promotion.</source>
        <translation>不久您將高升。</translation>
    </message>
    <message>
        <source>You will soon receive a valuable package that has been delayed.</source>
        <translation>一件延誤已久的貴重包裹，不久將送到您手中。</translation>
    </message>
    <message>
        <source>You will experience trouble because of physical violence.</source>
        <translation>您將因肢體衝突而遭遇麻煩。</translation>
    </message>
    <message>
        <source>You will be treated unjustly by a close relative.</source>
        <translation>您將受到一位近親的不公平對待。</translation>
    </message>
    <message>
        <source>You will make things difficult for yourself by acting in an extravagant manner.</source>
        <translation>行事鋪張奢華，只會讓自己陷入困境。</translation>
    </message>
    <message>
        <source>You will argue about something unimportant.</source>
        <translation>您將為一件無關緊要的小事與人爭吵。</translation>
    </message>
    <message>
        <source>You will soon make a new friend who will be of great benefit to you.</source>
        <translation>不久您將結識一位新朋友，對您大有助益。</translation>
    </message>
    <message>
        <source>You will soon find a lost item which is of great value.</source>
        <translation>不久您將找回一件非常貴重的失物。</translation>
    </message>
    <message>
        <source>Something seemingly unimportant will occur which will be to your great advantage.</source>
        <translation>一件看似微不足道的小事，將為您帶來莫大的好處。</translation>
    </message>
    <message>
        <source>You will soon find out who your real friends are.</source>
        <translation>不久您就會知道，誰才是您真正的朋友。</translation>
    </message>
    <message>
        <source>You will settle on a plan that will prove to be advantageous to you.</source>
        <translation>您將敲定一項計劃，日後證明對您十分有利。</translation>
    </message>
    <message>
        <source>One of your many friends is jealous of your happiness.</source>
        <translation>您眾多朋友之中，有一位在嫉妒您的幸福。</translation>
    </message>
    <message>
        <source>You will hear something of great importance to you in the next month.</source>
        <translation>下個月您將聽到一件對您非常重要的事。</translation>
    </message>
    <message>
        <source>You will receive unexpected financial gain when you least expect it but most need it.</source>
        <translation>在您最意想不到、卻又最需要的時候，將有一筆意外之財。</translation>
    </message>
    <message>
        <source>You will soon hear that a suggestion you have made has been accepted.</source>
        <translation>不久您將得知，您提出的建議已獲採納。</translation>
    </message>
    <message>
        <source>Your rival will soon be defeated and this will do you good.</source>
        <translation>您的對手不久將被擊敗，這對您大有好處。</translation>
    </message>
    <message>
        <source>You will soon receive a pleasant surprise from a man with a fair complexion.</source>
        <translation>不久一位膚色白皙的男子將帶給您驚喜。</translation>
    </message>
    <message>
        <source>You will soon receive an unusual proposition from a stranger.</source>
        <translation>不久將有陌生人向您提出不尋常的提議。</translation>
    </message>
    <message>
        <source>A man with a dark complexion and a fair woman will soon annoy you.</source>
        <translation>一位膚色黝黑的男子與一位白皙的女子，不久將令您心煩。</translation>
    </message>
    <message>
        <source>Keep a secret you have for at least a month.</source>
        <translation>您心中的秘密，至少要守住一個月。</translation>
    </message>
    <message>
        <source>You will soon have to choose between two friends, and in the process make an enemy.</source>
        <translation>不久您必須在兩位朋友之間做出選擇，並因此樹敵。</translation>
    </message>
    <message>
        <source>You will soon receive some good news.</source>
        <translation>不久您將收到一些好消息。</translation>
    </message>
    <message>
        <source>You will soon receive news that will benefit you.</source>
        <translation>不久您將收到對您有利的消息。</translation>
    </message>
    <message>
        <source>Be careful of damage or loss by fire.</source>
        <translation>小心火燭，慎防火災帶來損失。</translation>
    </message>
    <message>
        <source>Someone is taking advantage of some information that may have come from you.</source>
        <translation>有人正在利用可能從您這裏流出的資料謀取好處。</translation>
    </message>
    <message>
        <source>Your love life seems to be going wrong but will be fixed soon by a friend.</source>
        <translation>您的感情生活看似出了問題，但很快會有朋友幫您化解。</translation>
    </message>
    <message>
        <source>You will soon overcome your present difficulties and be happy with the result.</source>
        <translation>不久您將克服眼前的困難，並對結果感到滿意。</translation>
    </message>
    <message>
        <source>Marriage will be financially beneficial.</source>
        <translation>婚姻將為您帶來財運。</translation>
    </message>
    <message>
        <source>You will be bestowed with valuable jewelry.</source>
        <translation>您將獲贈貴重的珠寶。</translation>
    </message>
    <message>
        <source>Something unexpected will bring you financial rewards.</source>
        <translation>一件意想不到的事將為您帶來財富。</translation>
    </message>
    <message>
        <source>A friend may be jealous of you.</source>
        <translation>可能有朋友在嫉妒您。</translation>
    </message>
    <message>
        <source>Opportunity will knock on your doors. Do not let it go.</source>
        <translation>機會即將敲門，千萬不要錯過。</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>本軟件可能已有新版本。</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>要檢查是否有更新嗎？</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>您的姓名</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>您的電郵地址</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>您的留言</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>朋友的姓名</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>朋友的電郵地址</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>請輸入兩個不同的電郵地址</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>請輸入正確的電郵地址</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>請輸入您的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>請輸入您的電郵地址</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>請輸入您的留言</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>請輸入朋友的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>請輸入朋友的電郵地址</translation>
    </message>
    <message>
        <source>Your Entries Are Too Long To Send. Please Shorten Them.</source>
        <translation>您輸入的內容太長，無法送出。請縮短內容。</translation>
    </message>
</context>
<context>
    <name>reading::ReadingWindow</name>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>檢查軟件更新(&amp;C)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>檢查軟件更新(&amp;U)</translation>
    </message>
    <message>
        <source>The Most Popular Online Velmora Discussion Board. Best Resource For Everything Velmora. Visit us at %1</source>
        <translation>最受歡迎的 Velmora 網上討論區，Velmora 大小事的最佳資源。歡迎瀏覽 %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>在家創業好機會：開創屬於您的互聯網事業，在網上賺錢，還能取得冠上您網站品牌的本軟件專屬版本。按此了解詳情。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>網上說明(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>瀏覽我們的網站(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>關於本軟件(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>贊助我們(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>網上賺錢(&amp;O)</translation>
    </message>
    <message>
        <source>Discussion board</source>
        <translation>討論區</translation>
    </message>
    <message>
        <source>Opens the vendor&apos;s web site in your browser</source>
        <translation>在瀏覽器中開啟廠商的網站</translation>
    </message>
</context>
<context>
    <name>reading::frmDisplay</name>
    <message>
        <source>LV Sortilo Results</source>
        <translation>LV Sortilo 求籤結果</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>結束(&amp;E)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Stick number</source>
        <translation>籤號</translation>
    </message>
    <message>
        <source>More About The Sortilo Number</source>
        <translation>關於這支籤</translation>
    </message>
    <message>
        <source>Opens the offer&apos;s page in your browser</source>
        <translation>在瀏覽器中開啟創業機會的網頁</translation>
    </message>
    <message>
        <source>The fortune of the stick</source>
        <translation>這支籤的籤詩</translation>
    </message>
    <message>
        <source>Back to the main window for another reading</source>
        <translation>回到主視窗，再求一支籤</translation>
    </message>
    <message>
        <source>Closes the results</source>
        <translation>關閉求籤結果</translation>
    </message>
    <message>
        <source>Stick %1: %2</source>
        <translation>第 %1 籤：%2</translation>
    </message>
</context>
<context>
    <name>reading::frmMain</name>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>求籤</translation>
    </message>
    <message>
        <source>LV Sortilo is an ancient method of Chinese fortune telling with bamboo sticks. It is also known as Kau Cim. This form of divination is a religious art and has proven to be very accurate.</source>
        <translation>LV Sortilo 是以竹籤占卜的中國古老算命方法，也就是俗稱的「求籤」。這種占卜是一門宗教藝術，向來以靈驗著稱。</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>請稍候</translation>
    </message>
    <message>
        <source>Bamboo fortune sticks</source>
        <translation>竹籤</translation>
    </message>
    <message>
        <source>Starts a reading</source>
        <translation>開始求籤</translation>
    </message>
    <message>
        <source>Click On The Image To Get your Sortilo reading now!</source>
        <translation>按一下圖片，立即求取您的 Sortilo 靈籤！</translation>
    </message>
    <message>
        <source>Business opportunity</source>
        <translation>創業機會</translation>
    </message>
    <message>
        <source>Opens the offer&apos;s page in your browser</source>
        <translation>在瀏覽器中開啟創業機會的網頁</translation>
    </message>
</context>
<context>
    <name>referral::PromptField</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>電郵地址不能包含空格</translation>
    </message>
</context>
<context>
    <name>referral::frmNagScreen2</name>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>推薦給朋友</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>立即推薦給朋友(&amp;N)</translation>
    </message>
    <message>
        <source>Download Velmora Softwares</source>
        <translation>下載 Velmora 軟件</translation>
    </message>
    <message>
        <source>Opens the vendor&apos;s web site in your browser</source>
        <translation>在瀏覽器中開啟廠商的網站</translation>
    </message>
    <message>
        <source>Opens the vendor&apos;s programs in your browser</source>
        <translation>在瀏覽器中開啟廠商的軟件下載網頁</translation>
    </message>
    <message>
        <source>Ends LV Sortilo</source>
        <translation>結束 LV Sortilo</translation>
    </message>
    <message>
        <source>Opens the referral in your browser</source>
        <translation>在瀏覽器中開啟推薦網頁</translation>
    </message>
    <message>
        <source>Visit %1 now!</source>
        <translation>立即瀏覽 %1！</translation>
    </message>
    <message>
        <source>Velmora Softwares makes a whole family of free programs like this one: astrology, psychic, tarot, numerology and occult programs for your desktop. They are simple, easy and fun to use, and full of information about the arts they cover. Download them, try them out and discover what they can tell you about yourself, your future and the people around you. If you enjoy them, share the experience with your friends and family and invite them to try the programs too.</source>
        <translation>Velmora Softwares 推出了一系列與本軟件同類的免費軟件，涵蓋占星、通靈、塔羅、數字命理與神秘學，在電腦桌面上就能使用。這些軟件簡單易用、趣味十足，還收錄了各門學問的豐富知識。歡迎下載試用，看看它們能告訴您關於自己、未來和身邊的人哪些事。如果您喜歡，也請與親朋好友分享這份體驗，邀請他們一起來試試！</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Softwares</source>
        <translation>按此瀏覽 Velmora Softwares</translation>
    </message>
    <message>
        <source>Programs like this one live on their users&apos; support. The best support for Velmora Softwares is to visit its discussion board at %1 regularly and take part in its discussions and other activities.</source>
        <translation>本軟件和其他同類軟件，全靠用戶的支持才能延續下去。支持 Velmora Softwares 最好的方式，就是常到它的討論區 %1 逛逛，參與討論和各項活動。</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and take part in its discussions and activities. These programs cannot be maintained unless you visit %1. Thank you for visiting %1!</source>
        <translation>請經常瀏覽 %1，參與討論和各項活動。少了您到 %1 捧場，這些軟件就無法繼續維護。感謝您瀏覽 %1！</translation>
    </message>
    <message>
        <source>Our site %1 is a free online discussion forum for all things Velmora. To help Velmora Softwares develop and maintain this program, please visit %1 regularly.</source>
        <translation>我們的網站 %1 是免費的網上討論區，Velmora 的大小事都在這裏。想幫助 Velmora Softwares 開發及維護本軟件，請經常瀏覽 %1。</translation>
    </message>
    <message>
        <source>Our site %1 needs your help! Visit it regularly and take part in its discussions and activities, so that we can maintain and develop more programs like this one. Visit %1 today.</source>
        <translation>我們的網站 %1 需要您的幫忙！請經常瀏覽，參與討論和各項活動，讓我們能維護並開發更多像這樣的軟件。今天就去 %1 看看吧。</translation>
    </message>
</context>
</TS>
