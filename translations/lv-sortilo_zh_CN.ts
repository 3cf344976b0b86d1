<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>app::Program</name>
    <message>
        <source>Application is already running</source>
        <translation>本软件已经在运行中</translation>
    </message>
</context>
<context>
    <name>links::frmAbout</name>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Opens the vendor&apos;s web site in your browser</source>
        <translation>在浏览器中打开厂商的网站</translation>
    </message>
    <message>
        <source>Opens the offer&apos;s page in your browser</source>
        <translation>在浏览器中打开创业机会页面</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>关闭此窗口</translation>
    </message>
    <message>
        <source>LV Sortilo is an ancient method of Chinese fortune telling with bamboo sticks. It is also known as Kau Cim. This form of divination with sticks is a religious art and has proven to be very accurate.</source>
        <translation>LV Sortilo 是用竹签占卜的中国古老算命方法，也就是人们常说的“求签”。这种以签问卜的方式是一门宗教艺术，历来以灵验著称。</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>点击这里了解详情。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>居家创业好机会：开创属于您自己的互联网事业，在网上赚钱，还能获得冠以您网站品牌的本软件专属版本。</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>点击这里访问 %1</translation>
    </message>
</context>
<context>
    <name>modFortunrCookies</name>
    <message>
        <source>You will hear some good news soon.</source>
        <translation>近日将有好消息传来。</translation>
    </message>
    <message>
        <source>A long travel is written in the books which may turn out to be beneficial.</source>
        <translation>命中注定有一次远行，这趟旅程或许会给您带来好处。</translation>
    </message>
    <message>
        <source>You will hear some important news.</source>
        <translation>您将听到一个重要的消息。</translation>
    </message>
    <message>
        <source>Be careful in spending. Things will only get worse.</source>
        <translation>花钱要谨慎，情况只会越来越糟。</translation>
    </message>
    <message>
        <source>Luck will help you take risks and gamble.</source>
        <translation>好运将助您放手冒险一搏。</translation>
    </message>
    <message>
        <source>You will achieve what you desire.</source>
        <translation>心中所愿，终将实现。</translation>
    </message>
    <message>
        <source>You may relocate in the coming year.</source>
        <translation>来年您可能会搬家。</translation>
    </message>
    <message>
        <source>Someone may be jealous of you.</source>
        <translation>有人可能在嫉妒您。</translation>
    </message>
    <message>
        <source>Temptation will get the better of you.</source>
        <translation>您将抵挡不住诱惑。</translation>
    </message>
    <message>
        <source>Be ready for a lot of changes to happen.</source>
        <translation>做好准备，许多变化即将发生。</translation>
    </message>
    <message>
        <source>You will lose a friend.</source>
        <translation>您将失去一位朋友。</translation>
    </message>
    <message>
        <source>Do not get into arguments about trivial matters.</source>
        <translation>不要为鸡毛蒜皮的小事与人争执。</translation>
    </message>
    <message>
        <source>A male friend of yours may break relations with you.</source>
        <translation>您的一位男性朋友可能会与您断绝来往。</translation>
    </message>
    <message>
        <source>If you work hard you will receive great rewards.</source>
        <translation>只要努力，必有丰厚回报。</translation>
    </message>
    <message>
        <source>Expenses are bound to occur, but it will be for the best.</source>
        <translation>开销在所难免，但结果终归是好的。</translation>
    </message>
    <message>
        <source>You will go on a sudden journey with a compatible friend.</source>
        <translation>您将与一位意气相投的朋友临时结伴出游。</translation>
    </message>
    <message>
        <source>A trustworthy person may break your trust in him/her.</source>
        <translation>您信赖的人可能会辜负您的信任。</translation>
    </message>
    <message>
        <source>Someone new will enter your life and bring you rewards and pleasure.</source>
        <translation>将有新的贵人走进您的生活，为您带来收获与快乐。</translation>
    </message>
    <message>
        <source>Your friend will give you some bad news.</source>
        <translation>朋友会给您带来一些坏消息。</translation>
    </message>
    <message>
        <source>Remember to trust yourself and believe in your abilities.</source>
        <translation>记得相信自己，相信自己的能力。</translation>
    </message>
    <message>
        <source>You may receive an inheritance from a far away relative.</source>
        <translation>您可能会从远方亲戚那里继承一笔遗产。</translation>
    </message>
    <message>
        <source>You will soon face an important decision that you will need to make on your own.</source>
        <translation>不久您将面临一个重要抉择，需要自己拿主意。</translation>
    </message>
    <message>
        <source>Your actions will please someone who matters to you.</source>
        <translation>您的作为将让一位对您很重要的人感到欣慰。</translation>
    </message>
    <message>
        <source>Try to change your bad habits before they create problems.</source>
        <translation>趁坏习惯还没惹出麻烦，尽早改掉吧。</translation>
    </message>
    <message>
        <source>An unknown foreigner will bring you benefits and riches.</source>
        <translation>一位素不相识的外国人将给您带来好处和财富。</translation>
    </message>
    <message>
        <source>A fair woman will be the cause of your troubles.</source>
        <translation>一位皮肤白皙的女子将是您烦恼的根源。</translation>
    </message>
    <message>
        <source>You will experience changes every seven years.</source>
        <translation>每隔七年，您的生活就会发生变化。</translation>
    </message>
    <message>
        <source>You will receive a surprise and sleep in an unfamiliar place.</source>
        <translation>您将遇到一件意想不到的事，并在陌生的地方过夜。</translation>
    </message>
    <message>
        <source>You will not marry your first love, but this will work out for the best.</source>
        <translation>您不会和初恋结婚，但结果反而是最好的。</translation>
    </message>
    <message>
        <source>Someone is out for revenge for something you may not have committed.</source>
        <translation>有人要为一件未必是您做的事向您报复。</translation>
    </message>
    <message>
        <source>Some important news may change your lifestyle.</source>
        <translation>某个重要消息可能改变您的生活方式。</translation>
    </message>
    <message>
        <source>Listen to the good advice of trusted friend.</source>
        <translation>听从可靠朋友的良言相劝。</translation>
    </message>
    <message>
        <source>A dark woman will be the cause of your troubles.</source>
        <translation>一位皮肤黝黑的女子将是您烦恼的根源。</translation>
    </message>
    <message>
        <source>You will receive a letter with an unusual proposal very soon.</source>
        <translation>不久您将收到一封信，信中有个不同寻常的提议。</translation>
    </message>
    <message>
        <source>You will soon embark on an enjoyable adventure.</source>
        <translation>不久您将开始一段愉快的冒险。</translation>
    </message>
    <message>
        <source>You will receive unexpected financial and emotional joy.</source>
        <translation>财运与感情将双双为您带来意外之喜。</translation>
    </message>
    <message>
        <source>An ungrateful person will create problems for you.</source>
        <translation>一个忘恩负义的人会给您制造麻烦。</translation>
    </message>
    <message>
        <source>A good evening may turn out to have a bad outcome.</source>
        <translation>美好的夜晚，结局可能不尽如人意。</translation>
    </message>
    <message>
        <source>You have made a promise without thinking, but it is one you are now bound to keep.</source>
        <translation>您曾不假思索地许下承诺，如今却必须兑现。</translation>
    </message>
    <message>
        <source>You will receive a message which will create temporary trouble for you.</source>
        <translation>您将收到一条消息，给您带来暂时的麻烦。</translation>
    </message>
    <message>
        <source>A jealous person around you will soon cause an argument.</source>
        <translation>您身边一个心怀嫉妒的人不久将挑起争端。</translation>
    </message>
    <message>
        <source>A position in life you have long desired will soon be yours.</source>
        <translation>您渴望已久的地位不久就会属于您。</translation>
    </message>
    <message>
        <source>You will soon receive great honors.</source>
        <translation>不久您将获得极大的荣誉。</translation>
    </message>
    <message>
        <source>A friend will deceive you.</source>
        <translation>会有朋友欺骗您。</translation>
    </message>
    <message>
        <source>A person with a dark complexion is jealous of you.</source>
        <translation>一位皮肤黝黑的人在嫉妒您。</translation>
    </message>
    <message>
        <source>A friend you trust is secretly against you.</source>
        <translation>您信任的一位朋友暗地里与您作对。</translation>
    </message>
    <message>
        <source>You will soon receive a large promotion.</source>
        <translation>不久您将高升。</translation>
    </message>
    <message>
        <source>You will soon receive a valuable package that has been delayed.</source>
        <translation>一个延误已久的贵重包裹不久将送到您手中。</translation>
    </message>
    <message>
        <source>You will experience trouble because of physical violence.</source>
        <translation>您将因肢体冲突而遭遇麻烦。</translation>
    </message>
    <message>
        <source>You will be treated unjustly by a close relative.</source>
        <translation>您将受到一位近亲的不公正对待。</translation>
    </message>
    <message>
        <source>You will make things difficult for yourself by acting in an extravagant manner.</source>
        <translation>行事铺张奢侈，只会让自己陷入困境。</translation>
    </message>
    <message>
        <source>You will argue about something unimportant.</source>
        <translation>您将为一件无关紧要的小事与人争吵。</translation>
    </message>
    <message>
        <source>You will soon make a new friend who will be of great benefit to you.</source>
        <translation>不久您将结识一位新朋友，对您大有帮助。</translation>
    </message>
    <message>
        <source>You will soon find a lost item which is of great value.</source>
        <translation>不久您将找回一件非常贵重的失物。</translation>
    </message>
    <message>
        <source>Something seemingly unimportant will occur which will be to your great advantage.</source>
        <translation>一件看似微不足道的小事将给您带来莫大的好处。</translation>
    </message>
    <message>
        <source>You will soon find out who your real friends are.</source>
        <translation>不久您就会知道，谁才是您真正的朋友。</translation>
    </message>
    <message>
        <source>You will settle on a plan that will prove to be advantageous to you.</source>
        <translation>您将确定一个计划，日后证明对您十分有利。</translation>
    </message>
    <message>
        <source>One of your many friends is jealous of your happiness.</source>
        <translation>在您众多朋友中，有一位在嫉妒您的幸福。</translation>
    </message>
    <message>
        <source>You will hear something of great importance to you in the next month.</source>
        <translation>下个月您将听到一件对您非常重要的事。</translation>
    </message>
    <message>
        <source>You will receive unexpected financial gain when you least expect it but most need it.</source>
        <translation>在您最意想不到却又最需要的时候，会有一笔意外之财。</translation>
    </message>
    <message>
        <source>You will soon hear that a suggestion you have made has been accepted.</source>
        <translation>不久您将得知，您提出的建议已被采纳。</translation>
    </message>
    <message>
        <source>Your rival will soon be defeated and this will do you good.</source>
        <translation>您的对手不久将被击败，这对您大有好处。</translation>
    </message>
    <message>
        <source>You will soon receive a pleasant surprise from a man with a fair complexion.</source>
        <translation>不久一位皮肤白皙的男子将给您带来惊喜。</translation>
    </message>
    <message>
        <source>You will soon receive an unusual proposition from a stranger.</source>
        <translation>不久将有陌生人向您提出不同寻常的提议。</translation>
    </message>
    <message>
        <source>A man with a dark complexion and a fair woman will soon annoy you.</source>
        <translation>一位皮肤黝黑的男子和一位白皙的女子不久将令您烦心。</translation>
    </message>
    <message>
        <source>Keep a secret you have for at least a month.</source>
        <translation>您心中的秘密，至少要守住一个月。</translation>
    </message>
    <message>
        <source>You will soon have to choose between two friends, and in the process make an enemy.</source>
        <translation>不久您必须在两位朋友之间做出选择，并因此树敌。</translation>
    </message>
    <message>
        <source>You will soon receive some good news.</source>
        <translation>不久您将收到一些好消息。</translation>
    </message>
    <message>
        <source>You will soon receive news that will benefit you.</source>
        <translation>不久您将收到对您有利的消息。</translation>
    </message>
    <message>
        <source>Be careful of damage or loss by fire.</source>
        <translation>小心火烛，谨防火灾造成损失。</translation>
    </message>
    <message>
        <source>Someone is taking advantage of some information that may have come from you.</source>
        <translation>有人正在利用可能从您这里泄露的信息谋取好处。</translation>
    </message>
    <message>
        <source>Your love life seems to be going wrong but will be fixed soon by a friend.</source>
        <translation>您的感情生活看似出了问题，但很快会有朋友帮您化解。</translation>
    </message>
    <message>
        <source>You will soon overcome your present difficulties and be happy with the result.</source>
        <translation>不久您将克服眼前的困难，并对结果感到满意。</translation>
    </message>
    <message>
        <source>Marriage will be financially beneficial.</source>
        <translation>婚姻将为您带来财运。</translation>
    </message>
    <message>
        <source>You will be bestowed with valuable jewelry.</source>
        <translation>您将获赠贵重的珠宝。</translation>
    </message>
    <message>
        <source>Something unexpected will bring you financial rewards.</source>
        <translation>一件意想不到的事将为您带来财富。</translation>
    </message>
    <message>
        <source>A friend may be jealous of you.</source>
        <translation>可能有朋友在嫉妒您。</translation>
    </message>
    <message>
        <source>Opportunity will knock on your doors. Do not let it go.</source>
        <translation>机会即将敲门，千万不要错过。</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>本软件可能已有新版本。</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>是否现在检查更新？</translation>
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
        <translation>您的电子邮箱地址</translation>
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
        <translation>朋友的电子邮箱地址</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>请输入两个不同的电子邮箱地址</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>请输入正确的电子邮箱地址</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>请输入您的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>请输入您的电子邮箱</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>请输入您的留言</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>请输入朋友的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>请输入朋友的电子邮箱</translation>
    </message>
    <message>
        <source>Your Entries Are Too Long To Send. Please Shorten Them.</source>
        <translation>您输入的内容太长，无法发送。请缩短内容。</translation>
    </message>
</context>
<context>
    <name>reading::ReadingWindow</name>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>检查软件更新(&amp;C)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>检查软件更新(&amp;U)</translation>
    </message>
    <message>
        <source>The Most Popular Online Velmora Discussion Board. Best Resource For Everything Velmora. Visit us at %1</source>
        <translation>最受欢迎的 Velmora 网上论坛，一切 Velmora 资讯的最佳来源。欢迎访问 %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>居家创业好机会：开创属于您自己的互联网事业，在网上赚钱，还能获得冠以您网站品牌的本软件专属版本。点击这里了解详情。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>在线帮助(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>访问我们的网站(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>关于本软件(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>赞助我们(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>网上赚钱(&amp;O)</translation>
    </message>
    <message>
        <source>Discussion board</source>
        <translation>论坛</translation>
    </message>
    <message>
        <source>Opens the vendor&apos;s web site in your browser</source>
        <translation>在浏览器中打开厂商的网站</translation>
    </message>
</context>
<context>
    <name>reading::frmDisplay</name>
    <message>
        <source>LV Sortilo Results</source>
        <translation>LV Sortilo 求签结果</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Stick number</source>
        <translation>签号</translation>
    </message>
    <message>
        <source>More About The Sortilo Number</source>
        <translation>关于这支签</translation>
    </message>
    <message>
        <source>Opens the offer&apos;s page in your browser</source>
        <translation>在浏览器中打开创业机会页面</translation>
    </message>
    <message>
        <source>The fortune of the stick</source>
        <translation>这支签的签文</translation>
    </message>
    <message>
        <source>Back to the main window for another reading</source>
        <translation>返回主窗口，再求一支签</translation>
    </message>
    <message>
        <source>Closes the results</source>
        <translation>关闭求签结果</translation>
    </message>
    <message>
        <source>Stick %1: %2</source>
        <translation>第 %1 签：%2</translation>
    </message>
</context>
<context>
    <name>reading::frmMain</name>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>求签</translation>
    </message>
    <message>
        <source>LV Sortilo is an ancient method of Chinese fortune telling with bamboo sticks. It is also known as Kau Cim. This form of divination is a religious art and has proven to be very accurate.</source>
        <translation>LV Sortilo 是用竹签占卜的中国古老算命方法，也就是人们常说的“求签”。这种占卜是一门宗教艺术，历来以灵验著称。</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>请稍候</translation>
    </message>
    <message>
        <source>Bamboo fortune sticks</source>
        <translation>竹签</translation>
    </message>
    <message>
        <source>Starts a reading</source>
        <translation>开始求签</translation>
    </message>
    <message>
        <source>Click On The Image To Get your Sortilo reading now!</source>
        <translation>点击图片，马上求取您的 Sortilo 灵签！</translation>
    </message>
    <message>
        <source>Business opportunity</source>
        <translation>创业机会</translation>
    </message>
    <message>
        <source>Opens the offer&apos;s page in your browser</source>
        <translation>在浏览器中打开创业机会页面</translation>
    </message>
</context>
<context>
    <name>referral::PromptField</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>电子邮箱地址不能包含空格</translation>
    </message>
</context>
<context>
    <name>referral::frmNagScreen2</name>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>推荐给朋友</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>马上推荐给朋友(&amp;N)</translation>
    </message>
    <message>
        <source>Download Velmora Softwares</source>
        <translation>下载 Velmora 软件</translation>
    </message>
    <message>
        <source>Opens the vendor&apos;s web site in your browser</source>
        <translation>在浏览器中打开厂商的网站</translation>
    </message>
    <message>
        <source>Opens the vendor&apos;s programs in your browser</source>
        <translation>在浏览器中打开厂商的软件下载页面</translation>
    </message>
    <message>
        <source>Ends LV Sortilo</source>
        <translation>退出 LV Sortilo</translation>
    </message>
    <message>
        <source>Opens the referral in your browser</source>
        <translation>在浏览器中打开推荐页面</translation>
    </message>
    <message>
        <source>Visit %1 now!</source>
        <translation>马上访问 %1！</translation>
    </message>
    <message>
        <source>Velmora Softwares makes a whole family of free programs like this one: astrology, psychic, tarot, numerology and occult programs for your desktop. They are simple, easy and fun to use, and full of information about the arts they cover. Download them, try them out and discover what they can tell you about yourself, your future and the people around you. If you enjoy them, share the experience with your friends and family and invite them to try the programs too.</source>
        <translation>Velmora Softwares 出品了一系列与本软件同类的免费软件，涵盖占星、通灵、塔罗、数字命理和神秘学，在电脑桌面上就能使用。这些软件简单易用、妙趣横生，还收录了各门学问的丰富知识。欢迎下载试用，看看它们能告诉您关于自己、未来和身边的人哪些事情。如果您喜欢，也请与亲朋好友分享这份体验，邀请他们一起来试一试！</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Softwares</source>
        <translation>点击这里访问 Velmora Softwares</translation>
    </message>
    <message>
        <source>Programs like this one live on their users&apos; support. The best support for Velmora Softwares is to visit its discussion board at %1 regularly and take part in its discussions and other activities.</source>
        <translation>本软件和其他同类软件，全靠用户的支持才能延续下去。支持 Velmora Softwares 最好的方式，就是经常访问它的论坛 %1，参与讨论和其他各种活动。</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and take part in its discussions and activities. These programs cannot be maintained unless you visit %1. Thank you for visiting %1!</source>
        <translation>请经常访问 %1，参与讨论和各项活动。如果大家不常来 %1 看看，这些软件就无法继续维护。感谢您访问 %1！</translation>
    </message>
    <message>
        <source>Our site %1 is a free online discussion forum for all things Velmora. To help Velmora Softwares develop and maintain this program, please visit %1 regularly.</source>
        <translation>我们的网站 %1 是一个免费的网上论坛，Velmora 的大事小情都在这里。想帮助 Velmora Softwares 开发和维护本软件，请经常访问 %1。</translation>
    </message>
    <message>
        <source>Our site %1 needs your help! Visit it regularly and take part in its discussions and activities, so that we can maintain and develop more programs like this one. Visit %1 today.</source>
        <translation>我们的网站 %1 需要您的帮助！请经常访问，参与讨论和各项活动，让我们能够维护并开发更多这样的软件。今天就去 %1 看看吧。</translation>
    </message>
</context>
</TS>
